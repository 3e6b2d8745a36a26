// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DisplayChoice.h"
#include "platform/Translate.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>

namespace {

std::string Env(const char* name)
{
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

bool Connects(const std::string& path, bool abstract)
{
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    size_t offset = abstract ? 1 : 0;
    if (path.size() + offset >= sizeof addr.sun_path) return false;
    std::memcpy(addr.sun_path + offset, path.data(), path.size());
    socklen_t length = (socklen_t)(offsetof(sockaddr_un, sun_path) + offset + path.size() + (abstract ? 0 : 1));
    int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    bool ok = connect(fd, reinterpret_cast<sockaddr*>(&addr), length) == 0;
    close(fd);
    return ok;
}

}  // namespace

DisplayEnvironment DisplayEnvironmentNow()
{
    return {Env("QT_QPA_PLATFORM"), Env("DISPLAY"), Env("WAYLAND_DISPLAY")};
}

bool XServerAnswers(const std::string& display)
{
    size_t colon = display.rfind(':');
    if (colon == std::string::npos) return false;
    const std::string host = display.substr(0, colon);
    if (!host.empty() && host != "unix") return true;
    std::string number = display.substr(colon + 1);
    number = number.substr(0, number.find('.'));
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos) return false;
    const std::string socket = "/tmp/.X11-unix/X" + number;
    return Connects(socket, true) || Connects(socket, false);
}

bool WaylandAnswers(const std::string& wayland)
{
    if (wayland.empty()) return false;
    if (wayland[0] == '/') return Connects(wayland, false);
    const std::string runtime = Env("XDG_RUNTIME_DIR");
    return !runtime.empty() && Connects(runtime + '/' + wayland, false);
}

DisplayPlan PlanDisplay(const DisplayEnvironment& env, bool wantX11)
{
    if (!env.platform.empty()) return DisplayPlan::toolkit;
    const bool x = !env.display.empty() && XServerAnswers(env.display);
    if (x && wantX11) return DisplayPlan::x11;
    if (x || WaylandAnswers(env.wayland)) return DisplayPlan::toolkit;
    return DisplayPlan::none;
}

std::string NoDisplayReason(const DisplayEnvironment& env)
{
    if (env.display.empty() && env.wayland.empty())
        return TextTranslation::translate("CommandLine", "no display (neither DISPLAY nor WAYLAND_DISPLAY is set)");
    return FillIn(TextTranslation::translate("CommandLine", "cannot open display %1"),
                  {env.display.empty() ? env.wayland : env.display});
}
