#include "app/Windows.h"

#include <QDialog>

#include "app/TForm1.h"

namespace kalvora::app {

namespace {

// PLACEHOLDER: an empty window with the right caption, standing in for a window that its own
// subsystem builds. Replace each `Placeholder(...)` below by `new TTheRealClass(...)`.
QDialog* Placeholder(const char* objectName, const char* caption) {
    auto* w = new QDialog;
    w->setObjectName(QLatin1String(objectName));
    w->setWindowTitle(QString::fromUtf8(caption));
    w->resize(480, 320);
    return w;
}

void ShowModal(QWidget* w) {
    if (auto* dialog = qobject_cast<QDialog*>(w)) {
        dialog->exec();
    } else {
        w->setWindowModality(Qt::ApplicationModal);
        w->show();
    }
}

void ShowModeless(QWidget* w) {
    w->show();
    w->raise();
    w->activateWindow();
}

}  // namespace

Windows CreateWindows() {
    Windows w;
    w.Form1 = new TForm1;
    w.PPForma = Placeholder("PPForma", "Предпусковой подогреватель");
    w.Kozov_form = Placeholder("Kozov_form", "Типы кузова");
    w.ptf_Form = Placeholder("ptf_Form", "Адаптивное головное освещение и противотуманная фара");
    w.Klimat_form = Placeholder("Klimat_form", "Без климата и с климатом");
    w.R2Form = Placeholder("R2Form", "Радио-пакет №2");
    w.R7Form = Placeholder("R7Form", "Радио-пакет №7");
    w.MomoForm =
        Placeholder("MomoForm", "Перечень контролируемых параметров при приёмке автомобиля");
    w.AboutBox = Placeholder("AboutBox", "About");
    w.KomplForm = Placeholder("KomplForm", "Сравнение комплектаций автомобиля");
    w.DvigForm = Placeholder("DvigForm", "Сравнение двигателей");
    w.ZakazForm = Placeholder("ZakazForm", "Заказ");
    w.KreditForm = Placeholder("KreditForm", "Денежные расчёты");
    w.DiskForm = Placeholder("DiskForm", "Легкосплавные диски");
    w.ShtorkiForm = Placeholder("ShtorkiForm", "Солнцезащитные шторки задних дверей");

    // Only the main window ends the program when it is closed.
    for (QWidget* window : {w.PPForma, w.Kozov_form, w.ptf_Form, w.Klimat_form, w.R2Form, w.R7Form,
                            w.MomoForm, w.AboutBox, w.KomplForm, w.DvigForm, w.ZakazForm,
                            w.KreditForm, w.DiskForm, w.ShtorkiForm}) {
        window->setAttribute(Qt::WA_QuitOnClose, false);
    }

    // HOOKS: what the main window's buttons and labels open. Each line is where the real
    // window's own entry point goes (compose the check list, hand over the price, ...).
    MainWindowHooks hooks;
    hooks.showOrder = [w]() { ShowModeless(w.ZakazForm); };
    hooks.showCheckList = [w]() { ShowModeless(w.MomoForm); };
    hooks.showCredit = [w](std::int32_t) { ShowModal(w.KreditForm); };
    hooks.showOptionInfo = nullptr;  // the explanation texts and picture windows, per option
    hooks.showWheels = [w]() { ShowModal(w.DiskForm); };
    hooks.showAbout = [w]() { ShowModal(w.AboutBox); };
    hooks.showTrimComparison = [w]() { ShowModal(w.KomplForm); };
    hooks.showBodyComparison = [w]() { ShowModal(w.Kozov_form); };
    hooks.showEngineComparison = [w]() { ShowModal(w.DvigForm); };
    hooks.installPriceLabel = nullptr;  // the price labels' hover look
    w.Form1->SetHooks(std::move(hooks));
    // The order window rebuilds its text after every price computation.
    w.Form1->Ui().refreshOrder = nullptr;
    return w;
}

void DestroyWindows(Windows& w) {
    QWidget* const all[] = {w.ShtorkiForm, w.DiskForm, w.KreditForm, w.ZakazForm, w.DvigForm,
                            w.KomplForm,   w.AboutBox, w.MomoForm,   w.R7Form,    w.R2Form,
                            w.Klimat_form, w.ptf_Form, w.Kozov_form, w.PPForma};
    for (QWidget* window : all) delete window;
    delete w.Form1;
    w = Windows{};
}

}  // namespace kalvora::app
