// CExport opens the window modally as the host does; the window locks its settings meanwhile.
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include "CameraFixture.h"
#include "Quorvin.h"
#include "SequentialCaptureWindow.h"

using Window = quorvin::SequentialCaptureWindow;

namespace {

using WindowTest = CameraFixture;

TEST_F(WindowTest, ShowWindowRunsASeriesFromTheSettingsAndReturnsTheImagesWritten) {
    QFile ini(path(QStringLiteral("default.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[CaptureScreenParameter]\nAutosaveLocation=.\nAutosavePrefix=\"Seq\"\n"
              "SnapshotDefaultFormat=2\n");
    ini.close();

    QTimer::singleShot(0, [] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        auto* start = window->findChild<QPushButton*>(QLatin1StringView(Window::StartName));
        auto* prefix = window->findChild<QLineEdit*>(QLatin1StringView(Window::PrefixName));
        EXPECT_EQ(prefix->text(), QStringLiteral("Seq"));
        window->findChild<QSpinBox*>(QLatin1StringView(Window::CountName))->setValue(2);
        window->capture().setTimeScale(0);
        QObject::connect(&window->capture(), &quorvin::SequentialCapture::changed, window,
                         [window] {
                             if (!window->capture().isRunning()) {
                                 window->accept();
                             }
                         });
        start->click();
        EXPECT_FALSE(start->isEnabled());
        EXPECT_FALSE(prefix->isEnabled());
    });
    CExport exporter;
    EXPECT_EQ(exporter.ShowWindow(ini.fileName()), 2);
    ini.remove();
    expectImages({"Seq0001.bmp", "Seq0002.bmp"});
}

} // namespace
