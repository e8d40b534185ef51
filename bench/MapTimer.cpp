// Measures a windowed program's start-up from outside, as the X server sees it: starts the
// program, waits for the MapNotify of a top-level window that carries the program's process id
// (_NET_WM_PID), waits a settling time, reads the program's resident memory and ends it.
// Prints "<microseconds from exec to map> <resident kB>" on one line.
//
//   map_timer SETTLE_MS PROGRAM [ARGUMENT...]
//
// The program gets this process's environment, so DISPLAY names the server watched here.
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <thread>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kTimeout = std::chrono::seconds(30);

xcb_atom_t InternAtom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name),
        nullptr);
    const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// The process id the window's owner put on it, if any (the window may be gone already).
std::optional<pid_t> WindowPid(xcb_connection_t* connection, xcb_window_t window,
                               xcb_atom_t pidAtom) {
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1),
        nullptr);
    std::optional<pid_t> pid;
    if (reply != nullptr && reply->format == 32 && xcb_get_property_value_length(reply) >= 4) {
        pid = static_cast<pid_t>(*static_cast<const uint32_t*>(xcb_get_property_value(reply)));
    }
    std::free(reply);
    return pid;
}

long ResidentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return 0;
}

bool Exited(pid_t pid) {
    int status = 0;
    return waitpid(pid, &status, WNOHANG) == pid;
}

void End(pid_t pid) {
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: map_timer SETTLE_MS PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    const int settleMs = std::atoi(argv[1]);

    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection) != 0) {
        std::fprintf(stderr, "map_timer: cannot reach the X server\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_atom_t pidAtom = InternAtom(connection, "_NET_WM_PID");
    // Without a window manager a top-level window's MapNotify goes to the root's listeners.
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    // A round trip, so that the server has taken the mask before the program starts.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));

    pid_t pid = 0;
    const Clock::time_point start = Clock::now();
    if (posix_spawn(&pid, argv[2], nullptr, nullptr, argv + 2, environ) != 0) {
        std::fprintf(stderr, "map_timer: cannot start %s\n", argv[2]);
        return 1;
    }

    std::optional<Clock::time_point> mapped;
    pollfd watched{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (!mapped && Clock::now() - start < kTimeout && !Exited(pid)) {
        xcb_generic_event_t* event = xcb_poll_for_event(connection);
        if (event == nullptr) {
            if (xcb_connection_has_error(connection) != 0) {
                break;
            }
            poll(&watched, 1, 50);
            continue;
        }
        const Clock::time_point now = Clock::now();
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
            if (map->override_redirect == 0 && WindowPid(connection, map->window, pidAtom) == pid) {
                mapped = now;
            }
        }
        std::free(event);
    }
    if (!mapped) {
        std::fprintf(stderr, "map_timer: %s mapped no window\n", argv[2]);
        End(pid);
        return 1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const long residentKb = ResidentKb(pid);
    End(pid);
    xcb_disconnect(connection);
    std::printf("%lld %ld\n",
                static_cast<long long>(
                    std::chrono::duration_cast<std::chrono::microseconds>(*mapped - start).count()),
                residentKb);
    return 0;
}
