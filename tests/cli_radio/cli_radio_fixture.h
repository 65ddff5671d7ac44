#pragma once

#include "../support/sim_process.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// Runs the staged brisko7-sim and brisko7-cli against each other over a real
// pseudo-terminal, without pacing.
// A bound on a command's wall time that only a transfer left waiting for a
// time-out or an answer exceeds, even on a loaded machine; speed itself is
// measured by bench/transfer.sh.
inline constexpr qint64 HangGuardMs = 10000;

class CliRadioTest : public ::testing::Test {
protected:
    static QString program(const char* name) { return QStringLiteral(BRISKO7_STAGE_PROGRAM "/") + name; }

    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }

    // Starts a virtual radio and returns its device ("" on failure).
    QString startSim(QStringList args)
    {
        args.prepend(QStringLiteral("--once"));
        m_sim = std::make_unique<SimProcess>(args, m_dir.path());
        return m_sim->devicePath(3000);
    }

    struct Run {
        int status = -1;
        QString out;
        QString err;
        qint64 ms = 0;
    };

    Run cli(const QStringList& args, int timeoutMs = 10000)
    {
        QProcess p;
        // Data kept when an output cannot be written lands in the test's folder.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), path("data"));
        p.setProcessEnvironment(env);
        QElapsedTimer t;
        t.start();
        p.start(program("brisko7-cli"), args);
        p.closeWriteChannel();  // stdin is no terminal: questions cannot be answered
        Run r;
        if (!p.waitForFinished(timeoutMs)) {
            p.kill();
            p.waitForFinished();
            r.err = QStringLiteral("timed out");
            return r;
        }
        r.ms = t.elapsed();
        r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
        r.err = QString::fromLocal8Bit(p.readAllStandardError());
        return r;
    }

    // What the virtual radio printed after its device line, once it ended.
    QString simOutput()
    {
        if (!m_sim)
            return {};
        if (m_sim->state() != QProcess::NotRunning && !m_sim->waitForFinished(800)) {
            m_sim->terminate();
            m_sim->waitForFinished(2000);
        }
        return QString::fromLocal8Bit(m_sim->readAllStandardOutput())
            + QString::fromLocal8Bit(m_sim->readAllStandardError());
    }

    QTemporaryDir m_dir;
    std::unique_ptr<SimProcess> m_sim;
};
