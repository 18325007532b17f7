#include "DisplayCheck.h"

#include <xcb/xcb.h>

#include <QtGlobal>

std::string DisplayProblem() {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  const QByteArray display = qgetenv("DISPLAY");
  if (display.isEmpty() && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && platform.isEmpty()) {
    return "no display for a window session; set DISPLAY or use --batch";
  }
  // Only an X display can be tried here; Qt takes it when no other platform is named.
  const bool x = !display.isEmpty() && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
                 (platform.isEmpty() || platform.startsWith("xcb"));
  if (!x) return {};
  xcb_connection_t* connection = xcb_connect(display.constData(), nullptr);
  const bool reached = xcb_connection_has_error(connection) == 0;
  xcb_disconnect(connection);
  if (reached) return {};
  return "cannot open the display " + display.toStdString() + " for a window session; use --batch, or set DISPLAY to a "
         "display you can reach";
}
