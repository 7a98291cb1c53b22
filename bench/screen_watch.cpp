#include "screen_watch.h"
#include "measure.h"

#include <poll.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <cstdlib>

namespace bench {

struct ScreenWatch::Connection {
    xcb_connection_t* connection = nullptr;
    xcb_damage_damage_t damage = 0;
    uint8_t firstEvent = 0;
    QSize screen;

    ~Connection()
    {
        if (connection)
            xcb_disconnect(connection);
    }

    // The largest area among the reports that have arrived, waiting at most
    // `timeoutMs` for the first; -1 when none came.
    long largestReported(int timeoutMs)
    {
        pollfd fd{xcb_get_file_descriptor(connection), POLLIN, 0};
        long largest = -1;
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            largest = std::max(largest, area(event));
            std::free(event);
        }
        if (largest >= 0 || poll(&fd, 1, timeoutMs) <= 0)
            return largest;
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            largest = std::max(largest, area(event));
            std::free(event);
        }
        return largest;
    }

    long area(const xcb_generic_event_t* event) const
    {
        if ((event->response_type & 0x7f) != firstEvent + XCB_DAMAGE_NOTIFY)
            return 0;
        const auto* notify = reinterpret_cast<const xcb_damage_notify_event_t*>(event);
        return long(notify->area.width) * long(notify->area.height);
    }
};

ScreenWatch::ScreenWatch()
{
    if (!std::getenv("DISPLAY"))
        return;
    auto x = std::make_unique<Connection>();
    int screenNumber = 0;
    x->connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(x->connection))
        return;
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(x->connection, &xcb_damage_id);
    if (!extension || !extension->present)
        return;
    x->firstEvent = extension->first_event;
    xcb_damage_query_version_reply_t* version = xcb_damage_query_version_reply(
        x->connection, xcb_damage_query_version(x->connection, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr);
    if (!version)
        return;
    std::free(version);
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(x->connection));
    for (int i = 0; i < screenNumber && it.rem; ++i)
        xcb_screen_next(&it);
    xcb_screen_t* screen = it.data;
    x->screen = QSize(screen->width_in_pixels, screen->height_in_pixels);
    // Drawing into any window shows up as damage of the root window.
    x->damage = xcb_generate_id(x->connection);
    xcb_damage_create(x->connection, x->damage, screen->root, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
    xcb_flush(x->connection);
    m_x = std::move(x);
}

ScreenWatch::~ScreenWatch() = default;

bool ScreenWatch::watching() const { return bool(m_x); }

QSize ScreenWatch::screenSize() const { return m_x ? m_x->screen : QSize(); }

void ScreenWatch::settle(int quietMs)
{
    if (m_x)
        while (m_x->largestReported(quietMs) >= 0) {
        }
}

double ScreenWatch::waitForArea(long pixels, int timeoutMs)
{
    if (!m_x)
        return -1;
    const double end = now() + timeoutMs;
    for (double left = timeoutMs; left > 0; left = end - now())
        if (m_x->largestReported(int(left) + 1) >= pixels)
            return now();
    return -1;
}

}
