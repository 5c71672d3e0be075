#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "support/CurrentDirectory.h"
#include "support/QStringPrinter.h"
#include "support/RecordingLinkIndicators.h"

namespace tq::test {

/// A fresh, empty data directory made current for each test, and the main
/// window's information box that file failures are reported to.
class DataDirectoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_current = std::make_unique<link::CurrentDirectory>(m_dir.path());
    }

    QString directory() const { return m_dir.path(); }

    static void writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    static QByteArray fileBytes(const QString& name) {
        QFile file(name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    link::RecordingLinkIndicators m_indicators;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<link::CurrentDirectory> m_current;
};

}  // namespace tq::test
