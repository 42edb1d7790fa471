#include "XSettingsWatch.h"

#include <QSocketNotifier>
#include <QTimer>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace {

template<typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template<typename T>
Reply<T> reply(T *raw)
{
    return Reply<T>(raw, &std::free);
}

xcb_atom_t atom(xcb_connection_t *connection, const QByteArray &name)
{
    const auto answer = reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, quint16(name.size()), name.constData()), nullptr));
    return answer ? answer->atom : xcb_atom_t(XCB_ATOM_NONE);
}

} // namespace

XSettingsWatch::XSettingsWatch(QObject *parent)
    : QObject(parent)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return;
    int screenNumber = 0;
    m_connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(m_connection)) {
        xcb_disconnect(m_connection);
        m_connection = nullptr;
        return;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    if (!screens.rem)
        return;
    m_root = screens.data->root;
    m_selection = atom(m_connection, "_XSETTINGS_S" + QByteArray::number(screenNumber));
    m_property = atom(m_connection, "_XSETTINGS_SETTINGS");
    m_managerMessage = atom(m_connection, "MANAGER");

    // A new manager announces itself to the root window's structure listeners.
    const uint32_t rootEvents = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &rootEvents);
    followManager();

    m_notifier = new QSocketNotifier(xcb_get_file_descriptor(m_connection), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &XSettingsWatch::handleEvents);
    // Events read while waiting for the replies above are queued already, unseen by the notifier.
    QTimer::singleShot(0, this, &XSettingsWatch::handleEvents);
}

XSettingsWatch::~XSettingsWatch()
{
    if (m_connection)
        xcb_disconnect(m_connection);
}

void XSettingsWatch::followManager()
{
    // The server is held still so the owner cannot go between being found and being listened to.
    xcb_grab_server(m_connection);
    const auto owner =
        reply(xcb_get_selection_owner_reply(m_connection, xcb_get_selection_owner(m_connection, m_selection), nullptr));
    m_manager = owner ? owner->owner : xcb_window_t(XCB_WINDOW_NONE);
    if (m_manager != XCB_WINDOW_NONE) {
        const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_manager, XCB_CW_EVENT_MASK, &events);
    }
    xcb_ungrab_server(m_connection);
    xcb_flush(m_connection);
    readSettings();
}

void XSettingsWatch::readSettings()
{
    std::optional<XSettings> settings;
    if (m_manager != XCB_WINDOW_NONE) {
        const auto property = reply(xcb_get_property_reply(
            m_connection,
            xcb_get_property(m_connection, 0, m_manager, m_property, XCB_GET_PROPERTY_TYPE_ANY, 0, UINT32_MAX / 4),
            nullptr));
        if (property && property->format == 8) {
            const auto *bytes = static_cast<const char *>(xcb_get_property_value(property.get()));
            settings = XSettings::parse(QByteArray(bytes, xcb_get_property_value_length(property.get())));
        }
    }
    m_settings = std::move(settings);
}

void XSettingsWatch::handleEvents()
{
    bool anew = false;
    while (xcb_generic_event_t *raw = xcb_poll_for_event(m_connection)) {
        const auto event = reply(raw);
        switch (event->response_type & ~0x80) {
        case XCB_CLIENT_MESSAGE: {
            const auto *message = reinterpret_cast<const xcb_client_message_event_t *>(raw);
            if (message->type == m_managerMessage && message->data.data32[1] == m_selection) {
                followManager();
                anew = true;
            }
            break;
        }
        case XCB_PROPERTY_NOTIFY: {
            const auto *notify = reinterpret_cast<const xcb_property_notify_event_t *>(raw);
            if (notify->window == m_manager && notify->atom == m_property) {
                readSettings();
                anew = true;
            }
            break;
        }
        case XCB_DESTROY_NOTIFY:
            if (reinterpret_cast<const xcb_destroy_notify_event_t *>(raw)->window == m_manager) {
                m_manager = XCB_WINDOW_NONE;
                m_settings.reset();
                anew = true;
            }
            break;
        default:
            break;
        }
    }
    if (xcb_connection_has_error(m_connection))
        m_notifier->setEnabled(false); // the display went away; the last settings stay
    if (anew)
        emit changed();
}
