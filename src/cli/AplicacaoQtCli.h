#pragma once

#include <QGuiApplication>
#include <memory>

namespace tessara {

// Starts Qt for a command that draws: on the offscreen platform unless QT_QPA_PLATFORM names
// another, so no display is needed, with only Qt's errors on the error stream. Nothing when Qt
// is running already.
std::unique_ptr<QGuiApplication> iniciarQtCli();

}  // namespace tessara
