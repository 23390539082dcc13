// The Qt application of the commands that draw (picture, offer): no window, no display.
#pragma once

#include <QGuiApplication>
#include <memory>

namespace kalvora::cli {

// Qt needs an application object to lay out text and draw; this one runs on the offscreen
// platform and keeps Qt's own notes (such as a missing runtime folder, which that platform does
// not need) off the command's messages: only fatal ones get through. Nothing when an
// application runs already.
std::unique_ptr<QGuiApplication> OffscreenApplication();

}  // namespace kalvora::cli
