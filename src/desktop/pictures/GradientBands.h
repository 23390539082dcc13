// Painting for devices that cannot fill with a gradient whose colours are partly transparent:
// Qt's PDF writer draws such a gradient with its colours made opaque, so the car's shading,
// highlights and shadow would come out black and white. Everything painted on the device this
// gives is passed on to the real painter unchanged, except that a fill with such a gradient is
// laid down as narrow bands of one colour each, whose constant transparency a PDF keeps. The
// result stays vector graphics.
#pragma once

#include <QPaintDevice>
#include <memory>

class QPainter;

namespace kalvora::pictures {

class GradientBandsDevice : public QPaintDevice {
  public:
    // Paints onto `target`, in its coordinates as they stand when this device is made.
    explicit GradientBandsDevice(QPainter& target);
    ~GradientBandsDevice() override;
    QPaintEngine* paintEngine() const override;

  protected:
    int metric(PaintDeviceMetric metric) const override;

  private:
    QPainter& target_;
    std::unique_ptr<QPaintEngine> engine_;
};

}  // namespace kalvora::pictures
