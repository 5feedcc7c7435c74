// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// WindowSystem::AskCompositor: whether the Wayland compositor decorates the program's windows.
#include "WindowSystem.h"

#ifndef ZELKOR_WAYLAND_CLIENT

WindowSystem::TCompositorFrame WindowSystem::AskCompositor() {
    return TCompositorFrame::Unknown;
}

#else

#include <QGuiApplication>
#include <qpa/qplatformnativeinterface.h>

#include <dlfcn.h>
#include <poll.h>
#include <wayland-client-core.h>
#include <wayland-client-protocol.h>

#include <chrono>
#include <cstring>
#include <utility>

namespace {

/// The calls of libwayland-client that the question needs. The library is opened only on
/// Wayland, where Qt's plug-in has loaded it already; on X11 the program does not load it (nor
/// libffi, which it pulls in) at all.
struct TWaylandClient {
    void *Library = dlopen("libwayland-client.so.0", RTLD_LAZY | RTLD_LOCAL);
    mutable int Missing = 0;
    /// The library's symbol of that name as a pointer to T (a function or an object).
    template <typename T> T *Get(const char *Name) const {
        void *symbol = Library ? dlsym(Library, Name) : nullptr;
        Missing += symbol ? 0 : 1;
        return reinterpret_cast<T *>(symbol);
    }
#define ZELKOR_WL(name) decltype(&::name) name = Get<decltype(::name)>(#name)
    ZELKOR_WL(wl_display_create_queue);
    ZELKOR_WL(wl_event_queue_destroy);
    ZELKOR_WL(wl_display_roundtrip_queue);
    ZELKOR_WL(wl_display_prepare_read_queue);
    ZELKOR_WL(wl_display_dispatch_queue_pending);
    ZELKOR_WL(wl_display_read_events);
    ZELKOR_WL(wl_display_cancel_read);
    ZELKOR_WL(wl_display_flush);
    ZELKOR_WL(wl_display_get_fd);
    ZELKOR_WL(wl_proxy_create_wrapper);
    ZELKOR_WL(wl_proxy_wrapper_destroy);
    ZELKOR_WL(wl_proxy_set_queue);
    ZELKOR_WL(wl_proxy_marshal);
    ZELKOR_WL(wl_proxy_marshal_constructor);
    ZELKOR_WL(wl_proxy_marshal_constructor_versioned);
    ZELKOR_WL(wl_proxy_add_listener);
    ZELKOR_WL(wl_proxy_destroy);
#undef ZELKOR_WL
    const wl_interface *RegistryInterface = Get<const wl_interface>("wl_registry_interface");
    const wl_interface *CompositorInterface = Get<const wl_interface>("wl_compositor_interface");
    const wl_interface *SurfaceInterface = Get<const wl_interface>("wl_surface_interface");
    ~TWaylandClient() {
        if (Library)
            dlclose(Library);
    }
    bool Complete() const { return Library && Missing == 0; }
};

// xdg-shell and xdg-decoration at version 1, as far as the question goes: the requests up to
// the last one it sends, and every event the compositor may send (the library refuses an event
// it does not know).
const wl_interface *NoTypes[] = {nullptr, nullptr};
const wl_message ToplevelRequests[] = {{"destroy", "", NoTypes},
                                       {"set_parent", "?o", NoTypes},
                                       {"set_title", "s", NoTypes},
                                       {"set_app_id", "s", NoTypes}};
const wl_message ToplevelEvents[] = {{"configure", "iia", NoTypes}, {"close", "", NoTypes}};
const wl_interface XdgToplevel = {"xdg_toplevel", 1, 4, ToplevelRequests, 2, ToplevelEvents};
const wl_interface *GetToplevelTypes[] = {&XdgToplevel};
const wl_message XdgSurfaceRequests[] = {{"destroy", "", NoTypes},
                                         {"get_toplevel", "n", GetToplevelTypes}};
const wl_message XdgSurfaceEvents[] = {{"configure", "u", NoTypes}};
const wl_interface XdgSurface = {"xdg_surface", 1, 2, XdgSurfaceRequests, 1, XdgSurfaceEvents};
const wl_interface *GetXdgSurfaceTypes[] = {&XdgSurface, nullptr};
const wl_message WmBaseRequests[] = {{"destroy", "", NoTypes},
                                     {"create_positioner", "n", NoTypes},
                                     {"get_xdg_surface", "no", GetXdgSurfaceTypes},
                                     {"pong", "u", NoTypes}};
const wl_message WmBaseEvents[] = {{"ping", "u", NoTypes}};
const wl_interface XdgWmBase = {"xdg_wm_base", 1, 4, WmBaseRequests, 1, WmBaseEvents};
const wl_message DecorationRequests[] = {
    {"destroy", "", NoTypes}, {"set_mode", "u", NoTypes}, {"unset_mode", "", NoTypes}};
const wl_message DecorationEvents[] = {{"configure", "u", NoTypes}};
const wl_interface ToplevelDecoration = {"zxdg_toplevel_decoration_v1", 1, 3, DecorationRequests,
                                         1, DecorationEvents};
const wl_interface *GetDecorationTypes[] = {&ToplevelDecoration, &XdgToplevel};
const wl_message ManagerRequests[] = {{"destroy", "", NoTypes},
                                      {"get_toplevel_decoration", "no", GetDecorationTypes}};
const wl_interface DecorationManager = {"zxdg_decoration_manager_v1", 1, 2, ManagerRequests, 0,
                                        nullptr};
enum : uint32_t {
    Destroy = 0, // the destructor request of each interface above
    WmBaseGetXdgSurface = 2,
    WmBasePong = 3,
    XdgSurfaceGetToplevel = 1,
    ToplevelSetAppId = 3,
    ManagerGetToplevelDecoration = 1,
    DecorationUnsetMode = 2,
    ModeServerSide = 2,
};

/// What the compositor has said so far.
struct TAnswers {
    const TWaylandClient &Wl;
    uint32_t Compositor = 0, WmBase = 0, Manager = 0; // the globals' names
    bool Configured = false;                          // the toplevel's first configure is over
    uint32_t Mode = 0;                                // the decoration mode it configured
};

/// A proxy's event handlers: a struct of function pointers in the order of its events.
template <typename T> void Listen(const TWaylandClient &Wl, wl_proxy *Proxy, const T &Listener,
                                  TAnswers *Answers) {
    Wl.wl_proxy_add_listener(
        Proxy, reinterpret_cast<void (**)(void)>(const_cast<T *>(&Listener)), Answers);
}
using TUintEvent = void (*)(void *, wl_proxy *, uint32_t);
struct TUintListener {
    TUintEvent Event;
};

const wl_registry_listener RegistryListener = {
    [](void *Data, wl_registry *, uint32_t Name, const char *Interface, uint32_t) {
        auto *answers = static_cast<TAnswers *>(Data);
        for (auto [interface, name] : {std::pair{"wl_compositor", &answers->Compositor},
                                       std::pair{"xdg_wm_base", &answers->WmBase},
                                       std::pair{"zxdg_decoration_manager_v1", &answers->Manager}})
            if (std::strcmp(Interface, interface) == 0)
                *name = Name;
    },
    [](void *, wl_registry *, uint32_t) {},
};
const TUintListener PingListener = {[](void *Data, wl_proxy *WmBase, uint32_t Serial) {
    static_cast<TAnswers *>(Data)->Wl.wl_proxy_marshal(WmBase, WmBasePong, Serial);
}};
const TUintListener ConfigureListener = {[](void *Data, wl_proxy *, uint32_t) {
    static_cast<TAnswers *>(Data)->Configured = true;
}};
const TUintListener ModeListener = {[](void *Data, wl_proxy *, uint32_t Mode) {
    static_cast<TAnswers *>(Data)->Mode = Mode;
}};

/// Dispatches Queue until the toplevel is configured; false when the compositor has not done
/// so within the time allowed. Qt's own thread may be reading the connection meanwhile; the
/// library's read protocol (prepare, poll, read) shares the reading between the two.
bool WaitForConfigure(wl_display *Display, wl_event_queue *Queue, const TAnswers &Answers) {
    const TWaylandClient &wl = Answers.Wl;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
    while (!Answers.Configured) {
        if (wl.wl_display_prepare_read_queue(Display, Queue) != 0) {
            if (wl.wl_display_dispatch_queue_pending(Display, Queue) < 0)
                return false;
            continue;
        }
        wl.wl_display_flush(Display);
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd fd{wl.wl_display_get_fd(Display), POLLIN, 0};
        if (left.count() <= 0 || poll(&fd, 1, static_cast<int>(left.count())) <= 0) {
            wl.wl_display_cancel_read(Display);
            return false;
        }
        if (wl.wl_display_read_events(Display) < 0)
            return false;
    }
    return true;
}

/// The decoration mode the compositor configures for a toplevel that asks for none, as Qt's
/// plug-in leaves it (it sends unset_mode), and has the program's application id. The toplevel
/// never gets a buffer, so it is never shown.
WindowSystem::TCompositorFrame AskWithToplevel(wl_display *Display, wl_event_queue *Queue,
                                               wl_proxy *Registry, TAnswers &Answers) {
    const TWaylandClient &wl = Answers.Wl;
    const auto bind = [&](uint32_t Name, const wl_interface *Interface) {
        return wl.wl_proxy_marshal_constructor_versioned(Registry, WL_REGISTRY_BIND, Interface,
                                                          1, Name, Interface->name, 1u, nullptr);
    };
    wl_proxy *compositor = bind(Answers.Compositor, wl.CompositorInterface);
    wl_proxy *wmBase = bind(Answers.WmBase, &XdgWmBase);
    wl_proxy *manager = bind(Answers.Manager, &DecorationManager);
    Listen(wl, wmBase, PingListener, &Answers);
    wl_proxy *surface = wl.wl_proxy_marshal_constructor(compositor, WL_COMPOSITOR_CREATE_SURFACE,
                                                        wl.SurfaceInterface, nullptr);
    wl_proxy *xdgSurface =
        wl.wl_proxy_marshal_constructor(wmBase, WmBaseGetXdgSurface, &XdgSurface, nullptr, surface);
    Listen(wl, xdgSurface, ConfigureListener, &Answers);
    wl_proxy *toplevel =
        wl.wl_proxy_marshal_constructor(xdgSurface, XdgSurfaceGetToplevel, &XdgToplevel, nullptr);
    wl.wl_proxy_marshal(toplevel, ToplevelSetAppId,
                        QGuiApplication::desktopFileName().toUtf8().constData());
    wl_proxy *decoration = wl.wl_proxy_marshal_constructor(
        manager, ManagerGetToplevelDecoration, &ToplevelDecoration, nullptr, toplevel);
    Listen(wl, decoration, ModeListener, &Answers);
    wl.wl_proxy_marshal(decoration, DecorationUnsetMode);
    wl.wl_proxy_marshal(surface, WL_SURFACE_COMMIT);
    const bool configured = WaitForConfigure(Display, Queue, Answers);
    // In the order the protocols ask: the decoration before its toplevel, the roles before
    // the surface, the surface before the shell.
    for (wl_proxy *proxy : {decoration, toplevel, xdgSurface, surface, manager, wmBase}) {
        wl.wl_proxy_marshal(proxy, Destroy);
        wl.wl_proxy_destroy(proxy);
    }
    wl.wl_proxy_destroy(compositor);
    if (!configured)
        return WindowSystem::TCompositorFrame::Unknown;
    return Answers.Mode == ModeServerSide ? WindowSystem::TCompositorFrame::Frames
                                          : WindowSystem::TCompositorFrame::LeavesToClient;
}

} // namespace

WindowSystem::TCompositorFrame WindowSystem::AskCompositor() {
    // Qt's own connection: a display of the same name could be another compositor, and a
    // connection Qt was handed (WAYLAND_SOCKET) cannot be opened twice.
    QPlatformNativeInterface *native = QGuiApplication::platformNativeInterface();
    auto *display = static_cast<wl_display *>(
        native ? native->nativeResourceForIntegration("wl_display") : nullptr);
    const TWaylandClient wl;
    if (!display || !wl.Complete())
        return TCompositorFrame::Unknown;
    // The question goes through a queue of its own, which Qt never dispatches.
    wl_event_queue *queue = wl.wl_display_create_queue(display);
    auto *wrapper = static_cast<wl_proxy *>(wl.wl_proxy_create_wrapper(display));
    wl.wl_proxy_set_queue(wrapper, queue);
    wl_proxy *registry = wl.wl_proxy_marshal_constructor(wrapper, WL_DISPLAY_GET_REGISTRY,
                                                         wl.RegistryInterface, nullptr);
    TAnswers answers{wl};
    Listen(wl, registry, RegistryListener, &answers);
    TCompositorFrame frame = TCompositorFrame::Unknown;
    if (wl.wl_display_roundtrip_queue(display, queue) >= 0) {
        if (!answers.Manager) // no server-side decorations at all
            frame = TCompositorFrame::LeavesToClient;
        else if (answers.Compositor && answers.WmBase)
            frame = AskWithToplevel(display, queue, registry, answers);
    }
    wl.wl_proxy_destroy(registry);
    wl.wl_proxy_wrapper_destroy(wrapper);
    wl.wl_display_flush(display);
    wl.wl_event_queue_destroy(queue);
    return frame;
}

#endif
