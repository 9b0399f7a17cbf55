// The application-data window (dialog 109, menu 133): the pages that edit the settings store in
// tabs, and the File commands that create, load and save settings files.
#include "appdata/ApplicationDataDialog.h"

#include "appdata/CCaptureScreen.h"
#include "appdata/CLibraryScreen.h"
#include "appdata/CParameter.h"
#include "appdata/CProcessingScreen.h"
#include "framework/DialogService.h"
#include "framework/MenuBar.h"
#include "framework/PropertySheet.h"
#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"
#include "settings/FilePaths.h"
#include "settings/SaveSequence.h"
#include "settings/SettingsStore.h"

#include <algorithm>
#include <array>

namespace halvex {
namespace {

const QString kDefaultIni = QStringLiteral("default.ini");
const QString kIniFilter = QStringLiteral("Ini Files(*.ini;*.bak)|*.ini;*.bak||");
const QString kIniExtension = QStringLiteral("ini");

constexpr int DefaultFileMissingMessage = 3;
constexpr int SaveChangesMessage = 14;

template <typename Page> std::unique_ptr<PropertyPage> makePage() {
    return std::make_unique<Page>();
}

// The pages in tab order.
constexpr std::array kPageFactories{
    &makePage<CParameter>,
    &makePage<CCaptureScreen>,
    &makePage<CLibraryScreen>,
    &makePage<CProcessingScreen>,
};

// The file dialog of Load (open) and of Save (save as): the same folder, extension and filter.
FileDialogRequest iniFileRequest(bool save) {
    return FileDialogRequest{
        .save = save,
        .title = save ? QStringLiteral("Save Ini File As") : QStringLiteral("Open Ini File"),
        .filter = kIniFilter,
        .initialDirectory = ApplicationDirectory,
        .initialName = save ? QString() : kDefaultIni,
        .defaultExtension = kIniExtension,
        .overwritePrompt = save,
        .pathMustExist = true,
        .fileMustExist = !save,
    };
}

} // namespace

std::span<const MessageEntry<ApplicationDataDialog>> ApplicationDataDialog::messageMap() {
    using D = ApplicationDataDialog;
    static constexpr std::array kMessageMap{
        MessageEntry<D>{Notify::Command, AppDataId::FileNew, &D::onFileNew},
        MessageEntry<D>{Notify::Command, AppDataId::FileLoad, &D::onFileLoad},
        MessageEntry<D>{Notify::Command, AppDataId::FileSave, &D::onFileSave},
        MessageEntry<D>{Notify::Command, AppDataId::FileExit, &D::onFileExit},
    };
    return kMessageMap;
}

ApplicationDataDialog::ApplicationDataDialog(QWidget* owner)
    : Dialog(kAppDataDialogTemplate, owner) {
    for (const auto makePage : kPageFactories) {
        m_pages.push_back(makePage());
    }
    bindMessages(this, messageMap());
}

ApplicationDataDialog::~ApplicationDataDialog() = default;

bool ApplicationDataDialog::onInitDialog() {
    Dialog::onInitDialog();
    setWindowSizePixels(WindowWidth, WindowHeight);
    if (const QWidget* owner = parentWidget()) {
        move(owner->geometry().center() - rect().center());
    }
    m_pSheet = std::make_unique<PropertySheet>();
    for (const auto& page : m_pages) {
        // A page's window keeps the size of its template inside the tab.
        page->setMinimumSize(page->size());
        m_pSheet->addPage(page.get());
    }
    m_pSheet->create(clientArea());
    PlaceSheet();
    SettingsChanged = 0;
    return true;
}

void ApplicationDataDialog::PlaceSheet() {
    // The pages have no layout to hint at their size: the sheet takes the largest page whole.
    QSize pageArea;
    for (const auto& page : m_pages) {
        pageArea = pageArea.expandedTo(page->minimumSize());
    }
    m_pSheet->resize(m_pSheet->sizeForPageArea(pageArea));
    const int menuHeight = menu() != nullptr ? menu()->sizeHint().height() : 0;
    const QSize client(width(), height() - menuHeight);
    m_pSheet->move(std::max(0, (client.width() - m_pSheet->width()) / 2),
                   std::max(0, (client.height() - m_pSheet->height()) / 2));
}

void ApplicationDataDialog::NewFromDefault() {
    if (SearchFile(ApplicationDirectory, kDefaultIni)) {
        CurrentIniPath = JoinPath(ApplicationDirectory, kDefaultIni);
        m_settingsFile.Load(CurrentIniPath);
        CloseSequence();
        return;
    }
    CloseSequence();
    showMessage(DefaultFileMissingMessage, MessageButtons::Ok, MessageIcon::Stop, Modality::System,
                parentWidget());
}

void ApplicationDataDialog::LoadSettings() {
    const std::optional<QString> chosen = dialogService().fileDialog(iniFileRequest(false), this);
    if (!chosen) {
        return;
    }
    CurrentIniPath = *chosen;
    m_settingsFile.Load(CurrentIniPath);
    // The loaded values replace the edits, so nothing is left unsaved.
    SettingsChanged = 0;
    endDialog(IDOK);
}

void ApplicationDataDialog::SaveSettings() {
    const std::optional<QString> chosen = dialogService().fileDialog(iniFileRequest(true), this);
    if (!chosen) {
        return;
    }
    CurrentIniPath = *chosen;
    SaveSettingsWithBackup(CurrentIniPath, this);
    SettingsChanged = 0;
}

void ApplicationDataDialog::CloseSequence() {
    if (SettingsChanged != 0 &&
        showMessage(SaveChangesMessage, MessageButtons::YesNo, MessageIcon::Question,
                    Modality::System, this) == MessageResult::Yes) {
        SaveSettings();
    }
    if (m_pSheet) {
        m_pSheet->destroyWindow();
    }
    SettingsChanged = 0;
    endDialog(IDOK);
}

} // namespace halvex
