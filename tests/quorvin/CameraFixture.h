// A freshly opened simulated camera and an empty image folder, as the host leaves them.
#pragma once

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

#include "SequentialCapture.h"
#include "VX3Sim.h"
#include "VX3lib.h"

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << text.toStdString();
}

class CameraFixture : public ::testing::Test {
protected:
    void SetUp() override {
        vx3sim::setDeviceLockPath("");
        vx3sim::reset();
        char buffer[VX3_INIT_BUFFER_SIZE] = {};
        ASSERT_NE(VX3_InitCamera(buffer), 0);
        ASSERT_TRUE(m_folder.isValid());
    }
    void TearDown() override { VX3_UnmountCamera(); }

    QString path(const QString& name) const { return m_folder.filePath(name); }
    quorvin::SeriesPlan plan(quorvin::ImageFormat format, int count) const {
        return {m_folder.path(), QStringLiteral("IMG"), format, 2, count};
    }

    // The folder holds exactly these files, each a 640 x 480 image.
    void expectImages(const QStringList& names) const {
        EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::Files), names);
        for (const QString& name : names) {
            EXPECT_EQ(QImage(path(name)).size(), QSize(640, 480)) << name.toStdString();
        }
    }

    QTemporaryDir m_folder;
};
