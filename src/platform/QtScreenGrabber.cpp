#include "QtScreenGrabber.h"

#include "MMLog.h"

#include <QGuiApplication>
#include <QPainter>
#include <QRegion>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <xcb/shape.h>
#include <xcb/shm.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

#include <sys/ipc.h>
#include <sys/shm.h>

QPixmap QtScreenGrabber::grabScreen(QScreen* screen)
{
    if (!screen)
        return {};
    QImage shared = grabThroughSharedMemory(screen);
    // Window 0 is the root window; the area defaults to this screen's part of it.
    QPixmap picture = shared.isNull() ? screen->grabWindow(0) : QPixmap::fromImage(std::move(shared));
    if (picture.isNull()) {
        VQLogWarn(QStringLiteral("the screen %1 could not be read").arg(screen->name()));
        return {};
    }
    const qreal ratio = screen->devicePixelRatio();
    if (!qFuzzyCompare(picture.devicePixelRatio(), ratio))
        picture.setDevicePixelRatio(ratio);
    return picture;
}

namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> owned(T* reply)
{
    return Reply<T>(reply, &std::free);
}

// The request's reply, or null when the server answered with an error (a window gone since).
template <typename T, typename Cookie, typename Fn>
Reply<T> replyOf(xcb_connection_t* connection, Cookie cookie, Fn fn)
{
    xcb_generic_error_t* error = nullptr;
    Reply<T> reply = owned(fn(connection, cookie, &error));
    std::free(error);
    return reply;
}

// A visual whose pixels are 8-bit red, green and blue at their usual places, as QImage's 32-bit
// formats hold them.
bool isPlainTrueColor(const xcb_setup_t* setup, xcb_visualid_t id)
{
    for (xcb_screen_iterator_t screen = xcb_setup_roots_iterator(setup); screen.rem; xcb_screen_next(&screen)) {
        for (xcb_depth_iterator_t depth = xcb_screen_allowed_depths_iterator(screen.data); depth.rem; xcb_depth_next(&depth)) {
            for (xcb_visualtype_iterator_t visual = xcb_depth_visuals_iterator(depth.data); visual.rem; xcb_visualtype_next(&visual)) {
                if (visual.data->visual_id == id) {
                    return visual.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR && visual.data->red_mask == 0xff0000
                        && visual.data->green_mask == 0xff00 && visual.data->blue_mask == 0xff;
                }
            }
        }
    }
    return false;
}

struct Candidate {
    xcb_window_t id;
    QRect inside;   // the window's contents, root coordinates
    QRect part;     // the part of the area it covers, root coordinates
    bool alpha;     // 32 bits deep: translucent, premultiplied
};

// Segments of shared memory into which the server writes screen pictures (MIT-SHM). A segment
// whose picture is gone is kept for the next one for kKeepMs, so captures that follow each other
// find their pages ready; then it is detached on both sides and its memory is the system's again.
// Main thread only.
struct SharedSegment {
    int id = -1;
    void* address = nullptr;
    size_t bytes = 0;
    xcb_shm_seg_t xcbId = 0;
    xcb_connection_t* connection = nullptr;
    bool inUse = false;
};

class SharedSegments {
public:
    static constexpr int kKeepMs = 2000;

    static SharedSegments& instance()
    {
        static SharedSegments* segments = new SharedSegments;
        return *segments;
    }

    // A free segment of that size, made when there is none; null when the system refuses.
    SharedSegment* take(xcb_connection_t* connection, size_t bytes)
    {
        for (SharedSegment* segment : m_segments) {
            if (!segment->inUse && segment->bytes == bytes && segment->connection == connection) {
                segment->inUse = true;
                return segment;
            }
        }
        const int id = ::shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
        if (id < 0)
            return nullptr;
        void* address = ::shmat(id, nullptr, 0);
        if (address == reinterpret_cast<void*>(-1)) {
            ::shmctl(id, IPC_RMID, nullptr);
            return nullptr;
        }
        auto* segment = new SharedSegment{id, address, bytes, xcb_generate_id(connection), connection, true};
        const auto attached = xcb_request_check(connection, xcb_shm_attach_checked(connection, segment->xcbId, uint32_t(id), 0));
        // Both sides hold it now: it goes from the system once both let go.
        ::shmctl(id, IPC_RMID, nullptr);
        if (attached) {
            std::free(attached);
            ::shmdt(address);
            delete segment;
            return nullptr;
        }
        m_segments.push_back(segment);
        return segment;
    }

    void giveBack(SharedSegment* segment)
    {
        segment->inUse = false;
        if (!m_release) {
            m_release = new QTimer;
            m_release->setSingleShot(true);
            m_release->setInterval(kKeepMs);
            QObject::connect(m_release, &QTimer::timeout, [this] { releaseFree(); });
        }
        m_release->start();
    }

private:
    void releaseFree()
    {
        std::erase_if(m_segments, [](SharedSegment* segment) {
            if (segment->inUse)
                return false;
            xcb_shm_detach(segment->connection, segment->xcbId);
            xcb_flush(segment->connection);
            ::shmdt(segment->address);
            delete segment;
            return true;
        });
    }

    std::vector<SharedSegment*> m_segments;
    QTimer* m_release = nullptr;
};

} // namespace

QImage QtScreenGrabber::grabBelow(QScreen* screen, const QRect& area, QWidget* window)
{
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection || !screen || !window || area.isEmpty())
        return {};
    const xcb_setup_t* setup = xcb_get_setup(connection);
    if (setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST)
        return {};
    // Root coordinates are device pixels; a screen keeps its origin, its size is scaled.
    const qreal ratio = screen->devicePixelRatio();
    const QPoint origin = screen->geometry().topLeft();
    const QRect wanted = QRectF(QPointF(origin) + QPointF(area.topLeft() - origin) * ratio, QSizeF(area.size()) * ratio).toAlignedRect();

    // The top-level window that holds ours (ours itself unless a window manager framed it).
    xcb_window_t top = xcb_window_t(window->winId());
    xcb_window_t root = XCB_NONE;
    for (int depth = 0; depth < 8; ++depth) {
        const auto tree = replyOf<xcb_query_tree_reply_t>(connection, xcb_query_tree(connection, top), xcb_query_tree_reply);
        if (!tree)
            return {};
        root = tree->root;
        if (tree->parent == root || tree->parent == XCB_NONE)
            break;
        top = tree->parent;
    }
    const auto tree = replyOf<xcb_query_tree_reply_t>(connection, xcb_query_tree(connection, root), xcb_query_tree_reply);
    if (!tree)
        return {};
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    // Bottom first; only what lies below ours.
    const int below = int(std::find(children, children + xcb_query_tree_children_length(tree.get()), top) - children);

    std::vector<xcb_get_window_attributes_cookie_t> attributeCookies;
    std::vector<xcb_get_geometry_cookie_t> geometryCookies;
    for (int i = 0; i < below; ++i) {
        attributeCookies.push_back(xcb_get_window_attributes(connection, children[i]));
        geometryCookies.push_back(xcb_get_geometry(connection, children[i]));
    }
    std::vector<Candidate> candidates;
    for (int i = 0; i < below; ++i) {
        const auto attributes = replyOf<xcb_get_window_attributes_reply_t>(connection, attributeCookies[size_t(i)],
                                                                          xcb_get_window_attributes_reply);
        const auto geometry = replyOf<xcb_get_geometry_reply_t>(connection, geometryCookies[size_t(i)], xcb_get_geometry_reply);
        if (!attributes || !geometry || attributes->map_state != XCB_MAP_STATE_VIEWABLE
            || attributes->_class != XCB_WINDOW_CLASS_INPUT_OUTPUT || (geometry->depth != 24 && geometry->depth != 32)
            || !isPlainTrueColor(setup, attributes->visual))
            continue;
        const QRect inside(geometry->x + geometry->border_width, geometry->y + geometry->border_width, geometry->width,
                           geometry->height);
        const QRect part = inside & wanted;
        if (!part.isEmpty())
            candidates.push_back({children[i], inside, part, geometry->depth == 32});
    }

    // Each window's shape and its part of the area, asked together.
    const xcb_query_extension_reply_t* shapeExtension = xcb_get_extension_data(connection, &xcb_shape_id);
    const bool shapes = shapeExtension && shapeExtension->present;
    std::vector<xcb_shape_get_rectangles_cookie_t> shapeCookies;
    std::vector<xcb_get_image_cookie_t> imageCookies;
    for (const Candidate& candidate : candidates) {
        if (shapes)
            shapeCookies.push_back(xcb_shape_get_rectangles(connection, candidate.id, XCB_SHAPE_SK_BOUNDING));
        const QPoint at = candidate.part.topLeft() - candidate.inside.topLeft();
        imageCookies.push_back(xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, candidate.id, int16_t(at.x()), int16_t(at.y()),
                                             uint16_t(candidate.part.width()), uint16_t(candidate.part.height()), ~0u));
    }
    QImage picture(wanted.size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    for (size_t i = 0; i < candidates.size(); ++i) {
        const Candidate& candidate = candidates[i];
        QRegion shown(candidate.part);
        if (shapes) {
            const auto shape = replyOf<xcb_shape_get_rectangles_reply_t>(connection, shapeCookies[i], xcb_shape_get_rectangles_reply);
            if (shape) {
                // Shape rectangles are relative to the window's outer corner.
                QRegion shapeRegion;
                const xcb_rectangle_t* rectangles = xcb_shape_get_rectangles_rectangles(shape.get());
                const QPoint corner = candidate.inside.topLeft();
                for (int r = 0; r < xcb_shape_get_rectangles_rectangles_length(shape.get()); ++r)
                    shapeRegion += QRect(corner.x() + rectangles[r].x, corner.y() + rectangles[r].y, rectangles[r].width, rectangles[r].height);
                shown &= shapeRegion;
            }
        }
        const auto image = replyOf<xcb_get_image_reply_t>(connection, imageCookies[i], xcb_get_image_reply);
        const int width = candidate.part.width();
        const int height = candidate.part.height();
        if (!image || shown.isEmpty() || xcb_get_image_data_length(image.get()) < width * height * 4)
            continue;
        const QImage contents(xcb_get_image_data(image.get()), width, height, width * 4,
                              candidate.alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
        painter.setClipRegion(shown.translated(-wanted.topLeft()));
        painter.drawImage(candidate.part.topLeft() - wanted.topLeft(), contents);
    }
    painter.end();
    picture.setDevicePixelRatio(ratio);
    return picture;
}

QImage QtScreenGrabber::grabThroughSharedMemory(QScreen* screen)
{
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return {};
    const xcb_query_extension_reply_t* shm = xcb_get_extension_data(connection, &xcb_shm_id);
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const xcb_screen_t* root = xcb_setup_roots_iterator(setup).data;
    if (!shm || !shm->present || !root || setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST
        || (root->root_depth != 24 && root->root_depth != 32) || !isPlainTrueColor(setup, root->root_visual))
        return {};
    // Root coordinates are device pixels; a screen keeps its origin, its size is scaled.
    const QRect area(screen->geometry().topLeft(), (QSizeF(screen->geometry().size()) * screen->devicePixelRatio()).toSize());
    SharedSegment* segment = SharedSegments::instance().take(connection, size_t(area.width()) * size_t(area.height()) * 4);
    if (!segment)
        return {};
    const auto reply = replyOf<xcb_shm_get_image_reply_t>(
        connection,
        xcb_shm_get_image(connection, root->root, int16_t(area.x()), int16_t(area.y()), uint16_t(area.width()),
                          uint16_t(area.height()), ~0u, XCB_IMAGE_FORMAT_Z_PIXMAP, segment->xcbId, 0),
        xcb_shm_get_image_reply);
    if (!reply || reply->size < segment->bytes) {
        SharedSegments::instance().giveBack(segment);
        return {};
    }
    // The picture lives in the segment, not in a heap, and hands it back with its last copy.
    return QImage(static_cast<uchar*>(segment->address), area.width(), area.height(), area.width() * 4,
                  QImage::Format_RGB32, [](void* info) { SharedSegments::instance().giveBack(static_cast<SharedSegment*>(info)); },
                  segment);
}
