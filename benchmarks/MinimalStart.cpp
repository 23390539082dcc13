// The yardstick for the program's start measured from outside: a minimal Qt Widgets program
// that shows a window of the main window's size with one label, paints its first frame and
// exits. Started the same way as the window benchmark with KALVORA_START_ONLY=1, the difference
// of the two is what Kalvora itself adds to a start, whatever the load of the machine.
#include <QApplication>
#include <QEvent>
#include <QLabel>

namespace {

class FirstPaint : public QObject {
  public:
    bool painted = false;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted = true;
        return false;
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    FirstPaint first;
    app.installEventFilter(&first);
    QLabel window(QStringLiteral("Цена: $12345"));
    window.resize(1023, 708);
    window.show();
    while (!first.painted) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
    return 0;
}
