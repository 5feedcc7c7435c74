// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// TTitleBar: who frames the window on Wayland, and the title bar the program draws itself.
#include "TitleBar.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionTitleBar>
#include <QWindow>

#ifdef ZELKOR_WAYLAND_CLIENT
#include <dlfcn.h>
#include <wayland-client-core.h>
#include <wayland-client-protocol.h>
#endif

#include <cstring>

namespace {

/// The program has asked Qt's Wayland plug-in to draw no title bars.
bool TookOverTitleBar = false;

bool OnWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

#ifdef ZELKOR_WAYLAND_CLIENT
/// The few calls of libwayland-client that the question below needs. The library is opened only
/// when the program runs on Wayland, where Qt's plug-in has loaded it already; on X11 the
/// program does not load it (nor libffi, which it pulls in) at all.
struct TWaylandClient {
    void *Library = dlopen("libwayland-client.so.0", RTLD_LAZY | RTLD_LOCAL);
    /// The library's symbol of that name as a pointer to T (a function or an object).
    template <typename T> T *Get(const char *Name) const {
        return Library ? reinterpret_cast<T *>(dlsym(Library, Name)) : nullptr;
    }
#define ZELKOR_WL(name) decltype(&::name) name = Get<decltype(::name)>(#name)
    ZELKOR_WL(wl_display_connect);
    ZELKOR_WL(wl_display_roundtrip);
    ZELKOR_WL(wl_display_disconnect);
    ZELKOR_WL(wl_proxy_marshal_constructor);
    ZELKOR_WL(wl_proxy_add_listener);
    ZELKOR_WL(wl_proxy_destroy);
#undef ZELKOR_WL
    const wl_interface *RegistryInterface = Get<const wl_interface>("wl_registry_interface");
    ~TWaylandClient() {
        if (Library)
            dlclose(Library);
    }
    bool Complete() const {
        return wl_display_connect && wl_display_roundtrip && wl_display_disconnect &&
               wl_proxy_marshal_constructor && wl_proxy_add_listener && wl_proxy_destroy &&
               RegistryInterface;
    }
};
#endif

/// Whether the compositor offers server-side decorations, asked on a connection of its own:
/// Qt's is not public. When the compositor offers them, Qt asks it to frame every window.
bool CompositorDecorates() {
#ifndef ZELKOR_WAYLAND_CLIENT
    return true; // not asked: TakeOverWaylandTitleBar left the frame to Qt
#else
    // Without a display name, a connection would go to the default display, which need not be
    // the one Qt was handed (through WAYLAND_SOCKET); the program then frames its windows itself.
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return false;
    const TWaylandClient wl;
    wl_display *display = wl.Complete() ? wl.wl_display_connect(nullptr) : nullptr;
    if (!display)
        return false;
    bool offered = false;
    static const wl_registry_listener listener = {
        [](void *Data, wl_registry *, uint32_t, const char *Interface, uint32_t) {
            if (std::strcmp(Interface, "zxdg_decoration_manager_v1") == 0)
                *static_cast<bool *>(Data) = true;
        },
        [](void *, wl_registry *, uint32_t) {},
    };
    // wl_display_get_registry and wl_registry_add_listener, which the protocol header inlines.
    wl_proxy *registry = wl.wl_proxy_marshal_constructor(
        reinterpret_cast<wl_proxy *>(display), WL_DISPLAY_GET_REGISTRY, wl.RegistryInterface,
        nullptr);
    wl.wl_proxy_add_listener(registry, reinterpret_cast<void (**)(void)>(
                                           const_cast<wl_registry_listener *>(&listener)),
                             &offered);
    wl.wl_display_roundtrip(display);
    wl.wl_proxy_destroy(registry);
    wl.wl_display_disconnect(display);
    return offered;
#endif
}

} // namespace

void TTitleBar::TakeOverWaylandTitleBar() {
#ifdef ZELKOR_WAYLAND_CLIENT // without asking the compositor, Qt's plug-in keeps its title bar
    static const char name[] = "QT_WAYLAND_DISABLE_WINDOWDECORATION";
    if (qEnvironmentVariableIsSet(name))
        return;
    qputenv(name, "1");
    TookOverTitleBar = true;
#endif
}

bool TTitleBar::Needed() {
    static const bool needed = TookOverTitleBar && OnWayland() && !CompositorDecorates();
    return needed;
}

bool TTitleBar::ClientPlacesWindows() {
    return !OnWayland();
}

TTitleBar *TTitleBar::AddTo(QWidget *Window) {
    auto *bar = new TTitleBar(Window);
    const int height = bar->sizeHint().height();
    for (QWidget *child : Window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (child != bar && !child->isWindow())
            child->move(child->x(), child->y() + height);
    Window->setFixedSize(Window->width(), Window->height() + height);
    bar->setGeometry(0, 0, Window->width(), height);
    return bar;
}

TTitleBar::TTitleBar(QWidget *Window) : QWidget(Window) {
    setFocusPolicy(Qt::NoFocus);
    // The window's title, icon, state and activation are drawn here.
    Window->installEventFilter(this);
}

QSize TTitleBar::sizeHint() const {
    QStyleOptionTitleBar option;
    InitStyleOption(&option);
    return QSize(window()->width(), style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, this));
}

bool TTitleBar::eventFilter(QObject *Watched, QEvent *Event) {
    switch (Event->type()) {
    case QEvent::WindowTitleChange:
    case QEvent::WindowIconChange:
    case QEvent::WindowStateChange:
    case QEvent::ActivationChange:
        update();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(Watched, Event);
}

void TTitleBar::InitStyleOption(QStyleOptionTitleBar *Option) const {
    const QWidget *w = window();
    Option->initFrom(this);
    Option->text = w->windowTitle();
    Option->icon = w->windowIcon();
    Option->titleBarFlags = w->windowFlags();
    Option->titleBarState = w->windowState();
    Option->subControls = QStyle::SC_All;
    Option->activeSubControls = FPressed;
    if (FPressed != QStyle::SC_None)
        Option->state |= QStyle::State_Sunken;
    if (w->isActiveWindow()) {
        Option->state |= QStyle::State_Active;
        Option->titleBarState |= QStyle::State_Active;
        Option->palette.setCurrentColorGroup(QPalette::Active);
    } else {
        Option->state &= ~QStyle::State_Active;
        Option->palette.setCurrentColorGroup(QPalette::Inactive);
    }
}

QStyle::SubControl TTitleBar::HitTest(const QPoint &Pos) const {
    QStyleOptionTitleBar option;
    InitStyleOption(&option);
    return style()->hitTestComplexControl(QStyle::CC_TitleBar, &option, Pos, this);
}

QRect TTitleBar::SubControlRect(QStyle::SubControl Control) const {
    QStyleOptionTitleBar option;
    InitStyleOption(&option);
    return style()->subControlRect(QStyle::CC_TitleBar, &option, Control, this);
}

void TTitleBar::paintEvent(QPaintEvent *) {
    QStyleOptionTitleBar option;
    InitStyleOption(&option);
    QPainter painter(this);
    style()->drawComplexControl(QStyle::CC_TitleBar, &option, &painter, this);
}

void TTitleBar::mousePressEvent(QMouseEvent *Event) {
    const QStyle::SubControl hit = HitTest(Event->position().toPoint());
    if (Event->button() == Qt::RightButton && hit == QStyle::SC_TitleBarLabel) {
        ShowSystemMenu(Event->globalPosition().toPoint());
    } else if (Event->button() != Qt::LeftButton) {
        return;
    } else if (hit == QStyle::SC_TitleBarLabel) {
        if (QWindow *handle = window()->windowHandle())
            handle->startSystemMove();
    } else if (hit == QStyle::SC_TitleBarSysMenu) {
        ShowSystemMenu(mapToGlobal(QPoint(0, height())));
    } else if (hit == QStyle::SC_TitleBarMinButton || hit == QStyle::SC_TitleBarCloseButton) {
        FPressed = hit;
        update();
    }
}

void TTitleBar::mouseReleaseEvent(QMouseEvent *Event) {
    if (Event->button() != Qt::LeftButton || FPressed == QStyle::SC_None)
        return;
    const QStyle::SubControl pressed = FPressed;
    FPressed = QStyle::SC_None;
    update();
    if (HitTest(Event->position().toPoint()) != pressed)
        return;
    if (pressed == QStyle::SC_TitleBarMinButton)
        window()->showMinimized();
    else
        window()->close();
}

void TTitleBar::ShowSystemMenu(const QPoint &Pos) {
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QWidget *w = window();
    if (w->windowFlags() & Qt::WindowMinimizeButtonHint)
        menu->addAction(QStringLiteral("最小化(&N)"), w, &QWidget::showMinimized);
    menu->addAction(QStringLiteral("閉じる(&C)"), w, &QWidget::close);
    menu->popup(Pos);
}
