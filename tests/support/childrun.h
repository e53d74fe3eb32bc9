#pragma once
// The test program run once more as a child process that acts in one test case: started
// with its environment, given a random time to work after it said "start", then killed.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <initializer_list>
#include <utility>

namespace childrun {

// Runs the test case of the filter with the variables added to the environment and kills
// it between minMs and maxMs after its line "start"; what it wrote to its standard output.
// A child that did not start or ended by itself is a failure of the calling test.
inline QByteArray KillWhileWorking(const QString& filter,
                                   std::initializer_list<std::pair<const char*, QString>> vars,
                                   int minMs, int maxMs) {
  QProcess child;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const auto& [name, value] : vars) env.insert(QString::fromLatin1(name), value);
  child.setProcessEnvironment(env);
  child.start(QCoreApplication::applicationFilePath(),
              {QStringLiteral("--gtest_filter=") + filter});
  QByteArray out;
  if (!child.waitForStarted()) {
    ADD_FAILURE() << "the child process did not start";
    return out;
  }
  while (!out.contains("start\n") && child.waitForReadyRead(20000))
    out += child.readAllStandardOutput();
  EXPECT_TRUE(out.contains("start\n")) << out.toStdString();
  QThread::msleep(QRandomGenerator::global()->bounded(minMs, maxMs));
  EXPECT_EQ(child.state(), QProcess::Running) << out.toStdString() << child.readAll().toStdString();
  child.kill();
  EXPECT_TRUE(child.waitForFinished(10000));
  return out + child.readAllStandardOutput();
}

}  // namespace childrun
