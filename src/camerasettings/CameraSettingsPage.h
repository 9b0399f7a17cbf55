// What the two camera settings pages share: the stored register commands of the sensor, the
// factory values of default.ini, the page's place on the sheet and the register tooltips.
#pragma once

#include "camera/RegisterAccess.h"
#include "camerasettings/CameraSettingEntries.h"
#include "framework/DialogService.h"
#include "framework/PropertyPage.h"

#include <QList>
#include <optional>
#include <span>
#include <utility>
#include <vector>

class QLineEdit;

namespace halvex {

// A handler shared by a family of controls that behave alike: it gets the row of its control.
template <typename D> struct IndexedMessageEntry {
    Notify notify;
    int id;
    void (D::*handler)(int index);
    int index;
};

class CameraSettingsPage : public PropertyPage {
public:
    explicit CameraSettingsPage(const DialogTemplate& pageTemplate);

    // Writes the members to the controls and brings the tooltips up to date. The edit boxes do
    // not report these writes: their typing handlers would otherwise store the shown text again
    // (a read-back that differs from the stored command must not replace it).
    void RefreshControls();

    // The factory value of one key, or fallback when default.ini has none (each page has its own
    // form of the value and of the message).
    virtual QString ReadCameraDefault(QString section, QString key, QString fallback) = 0;

protected:
    using PropertyPage::bindMessages;
    template <typename D> void bindMessages(D* self, std::span<const IndexedMessageEntry<D>> map) {
        for (const IndexedMessageEntry<D>& entry : map) {
            auto handler = entry.handler;
            const int index = entry.index;
            routeNotification(entry.notify, entry.id,
                              [self, handler, index] { (self->*handler)(index); });
        }
    }

    // The value of key in default.ini of the application directory; none when the file is
    // missing or the value is empty. The settings file in use is never consulted.
    static std::optional<QString> readFactoryValue(const QString& section, const QString& key);
    // Message 3: default.ini or the key in it is missing.
    void reportMissingFactoryValue(Modality modality, bool topmost);

    // The setting's entry = its factory value, the entry itself as fallback.
    void restoreFactoryEntry(CameraSetting setting);
    // Sends the setting's stored command and returns the register's bits under its mask; none
    // for a sensor without stored commands, which has nothing to send.
    std::optional<int> applyEntry(CameraSetting setting);

    // Places the page at (0, 0) of the sheet with its design size in pixels.
    void placeOnSheet();

    // The control's tooltip names the stored command of setting and what it addresses.
    void addRegisterTooltip(int controlId, CameraSetting setting);
    void refreshTooltips();

    RegisterAccess m_registerAccess;

private:
    QList<QLineEdit*> m_edits;
    std::vector<std::pair<int, CameraSetting>> m_tooltips;
};

// "03,ff,80: register 0x03, mask 0xFF".
QString registerTooltip(const QString& command);

} // namespace halvex
