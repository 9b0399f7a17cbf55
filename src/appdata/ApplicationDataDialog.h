// The application-data window (dialog 109, menu 133): the pages that edit the settings store in
// tabs, and the File commands that create, load and save settings files.
#pragma once

#include "framework/Dialog.h"
#include "settings/SettingsFile.h"

#include <memory>
#include <vector>

namespace halvex {

class PropertyPage;
class PropertySheet;

class ApplicationDataDialog final : public Dialog {
public:
    static constexpr int WindowWidth = 800;
    static constexpr int WindowHeight = 600;

    // The pages take their values from the store here. owner: the window this one is centred
    // over.
    explicit ApplicationDataDialog(QWidget* owner = nullptr);
    ~ApplicationDataDialog() override;

    // The sheet of pages; nullptr before initialisation.
    PropertySheet* sheet() const { return m_pSheet.get(); }
    int pageCount() const { return static_cast<int>(m_pages.size()); }
    PropertyPage* page(int index) const {
        return m_pages.at(static_cast<std::size_t>(index)).get();
    }

    // File > New: loads default.ini of the application directory and closes.
    void NewFromDefault();
    // File > Load: loads a chosen file and ends at once, without asking about changes.
    void LoadSettings();
    // File > Save: the save sequence onto a chosen file; the window stays open.
    void SaveSettings();
    // File > Exit and the close request: offers to save unsaved changes, then ends.
    void CloseSequence();

protected:
    bool onInitDialog() override;
    // Enter does not end the window; Escape ends it as the close box does.
    void onOK() override {}
    void onCancel() override { CloseSequence(); }
    void onClose() override { CloseSequence(); }

private:
    static std::span<const MessageEntry<ApplicationDataDialog>> messageMap();
    void PlaceSheet();

    void onFileNew() { NewFromDefault(); }
    void onFileLoad() { LoadSettings(); }
    void onFileSave() { SaveSettings(); }
    void onFileExit() { CloseSequence(); }

    std::vector<std::unique_ptr<PropertyPage>> m_pages;
    // Declared after the pages so that it goes first and hands them back.
    std::unique_ptr<PropertySheet> m_pSheet;
    SettingsFile m_settingsFile;
};

} // namespace halvex
