#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// brisko7-sim as a user starts it, from the staged program folder, announcing
// its device in the given runtime folder. It is ended (terminated, killed if
// it will not go) when the object goes.
class SimProcess : public QProcess {
public:
    SimProcess(const QStringList& args, const QString& runtimeFolder)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder);
        setProcessEnvironment(env);
        start(QStringLiteral(BRISKO7_STAGE_PROGRAM "/brisko7-sim"), args);
    }
    ~SimProcess() override
    {
        if (state() == QProcess::NotRunning)
            return;
        terminate();
        if (!waitForFinished(2000))
            kill();
        waitForFinished(1000);
    }

    // The first line the virtual radio prints: its device path ("" when none
    // came in time).
    QString devicePath(int waitMs = 5000)
    {
        if (!waitForStarted(waitMs))
            return {};
        QElapsedTimer clock;
        clock.start();
        while (!canReadLine() && clock.elapsed() < waitMs)
            waitForReadyRead(100);
        return canReadLine() ? QString::fromLocal8Bit(readLine()).trimmed() : QString();
    }
};
