// Document tests begin with the program's state at its defaults, the
// layer's own file service, the response window open and a folder of their own.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"

namespace quendal::test {

class DocumentTest : public testing::Test {
protected:
    void SetUp() override {
        resetState();
        platform::resetPlatform();
        platform::setDocumentFileService(nullptr);
        ASSERT_TRUE(platform::createWindow(kResponseWindow, platform::WindowKind::Document,
                                           Rect16{100, 100, 490, 640}, "Response"));
        ASSERT_TRUE(folder.isValid());
    }
    void TearDown() override {
        platform::setDocumentFileService(nullptr);
        platform::resetPlatform();
        resetState();
    }

    std::string path(const char* name) const { return QDir(folder.path()).filePath(QString::fromUtf8(name)).toStdString(); }

    static std::string contents(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void put(const std::string& file, const std::string& bytes) {
        std::ofstream(file, std::ios::binary) << bytes;
    }

    QTemporaryDir folder;
};

}  // namespace quendal::test
