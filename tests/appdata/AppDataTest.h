// Fixture of the application-data window tests: the factory default.ini loaded and in use, the
// window opened on it, and the technician's gestures on the pages' real widgets.
#pragma once

#include "AppTestEnvironment.h"
#include "appdata/ApplicationDataDialog.h"
#include "framework/PropertyPage.h"
#include "framework/PropertySheet.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QStringList>
#include <memory>

namespace halvex::test {

enum PageIndex {
    ParameterPage = 0,
    CaptureScreenPage = 1,
    LibraryScreenPage = 2,
    ProcessingScreenPage = 3
};

class AppDataTest : public AppTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The window as the main window opens it: built from the store, initialised and shown.
    std::unique_ptr<ApplicationDataDialog> openWindow();
    // Brings a page to the front (initialising it on its first showing) and returns it.
    PropertyPage& showPage(int index);

    // A control of the page in front, as the widget it is.
    template <typename Widget> Widget* control(int id) const {
        auto* widget = current->controls().as<Widget>(id);
        EXPECT_NE(widget, nullptr) << id;
        return widget;
    }
    QLineEdit* edit(int id) const { return control<QLineEdit>(id); }
    QComboBox* list(int id) const { return control<QComboBox>(id); }
    QSlider* slider(int id) const { return control<QSlider>(id); }

    // Replaces the box's text key by key, as typing over a selection does.
    void typeInto(int id, const QString& text);
    // Moves the focus out of a control.
    void leave(int id);
    // Walks a list with the arrow keys until entry is chosen.
    void choose(int id, const QString& entry);
    // Drags a slider's thumb to position and lets it go.
    void drag(int id, int position);
    // Presses a key on a slider (Home, End, Left, ...).
    void pressOnSlider(int id, Qt::Key key);

    // File > Save onto path, answering the file dialog.
    void saveAs(const QString& path);

    QString iniPath() const { return workPath(QStringLiteral("default.ini")); }

    std::unique_ptr<ApplicationDataDialog> window;
    PropertyPage* current = nullptr;
};

// The whole content of a file, or "<missing>".
QByteArray fileBytes(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);

// All 101 values of the store, in table order.
QStringList storeValues();

} // namespace halvex::test
