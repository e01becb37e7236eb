// Every windowing test begins and ends with the layer as just started and
// the program-wide state at its defaults.
#pragma once

#include <string>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "model/State.h"
#include "platform/Platform.h"
#include "platform/qt/Registry.h"

namespace quendal::test {

class PlatformTest : public testing::Test {
protected:
    void SetUp() override {
        resetState();
        platform::resetPlatform();
    }
    void TearDown() override {
        platform::resetPlatform();
        platform::setResourceFolder("");
        resetState();
    }

    // A document window of the response window's size, shown.
    void openResponseWindow() {
        ASSERT_TRUE(platform::createWindow(7, platform::WindowKind::Document, Rect16{100, 100, 490, 640}, "Response"));
        platform::showWindow(7);
    }

    // What window 7 has drawn, without its controls.
    QImage drawing(platform::WindowNumber window = 7) {
        platform::qt::WindowRecord* record = platform::qt::findWindow(window);
        if (record == nullptr || !record->surface) return {};
        return record->surface->image();
    }

    std::string tempPath(const char* name) { return QDir(folder.path()).filePath(QString::fromLatin1(name)).toStdString(); }

    QTemporaryDir folder;
};

// The colour at a pixel as 0xRRGGBB.
inline unsigned rgbAt(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; }

}  // namespace quendal::test
