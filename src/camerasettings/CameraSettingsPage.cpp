// What the two camera settings pages share.
#include "camerasettings/CameraSettingsPage.h"

#include "camera/RegisterCommand.h"
#include "framework/DialogService.h"
#include "resources/StringTable.h"
#include "settings/FilePaths.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsStore.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace halvex {
namespace {

// The pages are laid out for the main window's fixed 800 x 600 layout.
constexpr QRect kPagePlacement{0, 0, 145, 600};

} // namespace

CameraSettingsPage::CameraSettingsPage(const DialogTemplate& pageTemplate)
    : PropertyPage(pageTemplate), m_edits(findChildren<QLineEdit*>()) {}

void CameraSettingsPage::RefreshControls() {
    std::vector<QSignalBlocker> silenced;
    silenced.reserve(m_edits.size());
    for (QLineEdit* edit : m_edits) {
        silenced.emplace_back(edit);
    }
    updateData(false);
    refreshTooltips();
}

std::optional<QString> CameraSettingsPage::readFactoryValue(const QString& section,
                                                            const QString& key) {
    const std::optional<QString> path =
        SearchFile(ApplicationDirectory, QStringLiteral("default.ini"));
    if (!path) {
        return std::nullopt;
    }
    QString value = SettingsFile().ReadValue(section, key, *path);
    if (value.isEmpty()) {
        return std::nullopt;
    }
    return value;
}

void CameraSettingsPage::reportMissingFactoryValue(Modality modality, bool topmost) {
    MessageRequest request;
    request.text = loadString(3);
    request.modality = modality;
    request.topmost = topmost;
    dialogService().messageBox(request, this);
}

void CameraSettingsPage::restoreFactoryEntry(CameraSetting setting) {
    if (const std::optional<EntryName> entry = cameraEntry(setting)) {
        writeCameraEntry(setting,
                         ReadCameraDefault(entry->section, entry->key, readCameraEntry(setting)));
    }
}

std::optional<int> CameraSettingsPage::applyEntry(CameraSetting setting) {
    if (!cameraEntry(setting)) {
        return std::nullopt;
    }
    const QString command = readCameraEntry(setting);
    m_registerAccess.SetRegister(command);
    return m_registerAccess.GetRegister(command);
}

void CameraSettingsPage::placeOnSheet() {
    setGeometry(kPagePlacement);
}

void CameraSettingsPage::addRegisterTooltip(int controlId, CameraSetting setting) {
    m_tooltips.emplace_back(controlId, setting);
}

void CameraSettingsPage::refreshTooltips() {
    for (const auto& [id, setting] : m_tooltips) {
        if (QWidget* widget = control(id)) {
            const QString command = readCameraEntry(setting);
            widget->setToolTip(command.isEmpty() ? QString() : registerTooltip(command));
        }
    }
}

QString registerTooltip(const QString& command) {
    const ParsedRegisterCommand parsed = parseRegisterCommand(command);
    const auto hex = [](std::uint32_t value) {
        return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
    };
    return QStringLiteral("%1: register 0x%2, mask 0x%3")
        .arg(command, hex(static_cast<std::uint32_t>(parsed.address)), hex(parsed.mask));
}

} // namespace halvex
