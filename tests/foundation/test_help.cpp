#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "foundation/cp1252.h"
#include "foundation/help.h"
#include "foundation/progdir.h"
#include "foundation/testdesktop.h"
#include "foundation/web.h"
#include "support/testdir.h"

namespace {
// Sets an environment variable for one test and puts the old value back.
class TEnvVar {
 public:
  TEnvVar(const char* name, const QByteArray& value)
      : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
    qputenv(name, value);
  }
  ~TEnvVar() { had_ ? (void)qputenv(name_, old_) : (void)qunsetenv(name_); }

 private:
  const char* name_;
  bool had_;
  QByteArray old_;
};

class TProgramDir {
 public:
  explicit TProgramDir(const std::string& dir) : old_(ProgramDirectory()) {
    SetProgramDirectory(dir);
  }
  ~TProgramDir() { SetProgramDirectory(old_); }

 private:
  std::string old_;
};

void Touch(const QString& path, bool executable = false) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.close();
  if (executable) f.setPermissions(f.permissions() | QFile::ExeOwner);
}
}  // namespace

TEST(Web, OpenLinkHandsTheTargetToTheDesktop) {
  TTestDesktop desk;
  EXPECT_TRUE(TWebSS::OpenLink("https://www.darc.de/der-club/referate/conteste/"));
  EXPECT_TRUE(TWebSS::OpenLink("Regeln für Ostern.pdf"));
  EXPECT_FALSE(TWebSS::OpenLink(""));
  desk.LinksOpen = false;
  EXPECT_FALSE(TWebSS::OpenLink("kaputt"));
  EXPECT_EQ(desk.OpenedLinks,
            QStringList({QStringLiteral("https://www.darc.de/der-club/referate/conteste/"),
                         QStringLiteral(u"Regeln für Ostern.pdf"), QStringLiteral("kaputt")}));
  EXPECT_TRUE(desk.Messages.empty());
}

TEST(HelpPath, PrefixTopicAndWindow) {
  struct Case {
    const char* file;
    const char* topic;
    const char* window;
    int kind;
    const char* path;
  };
  const Case cases[] = {
      {"zorcont.chm", "", "", 2, "ms-its:zorcont.chm"},
      {"zorcont.chm", "", "", 0, "zorcont.chm"},
      {"zorcont.chm", "", "", 1, "zorcont.chm"},
      {"/opt/zor/zorcont.chm", "start.htm", "", 2, "ms-its:/opt/zor/zorcont.chm::/start.htm"},
      {"zorcont.chm", "/start.htm", "main", 2, "ms-its:zorcont.chm::/start.htm>main"},
      {"zorcont.chm", "", "main", 0, "zorcont.chm>main"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(hh_funcs::MakeHelpPath(c.file, c.topic, c.window, c.kind), c.path) << c.path;
}

TEST(HelpPath, WindowsFolderHasNoTrailingSeparator) {
  std::string dir;
  {
    TEnvVar windir("WINDIR", "/srv/windows//");
    hh_funcs::GetWindowsFolder(dir);
    EXPECT_EQ(dir, "/srv/windows");
  }
  {
    TEnvVar windir("WINDIR", "");
    hh_funcs::GetWindowsFolder(dir);
    EXPECT_EQ(dir, "/usr/bin");
  }
}

TEST(ShellOpen, OpensDocumentsAndRunsProgramsWithParameters) {
  TTestDesktop desk;
  EXPECT_TRUE(hh_funcs::ShellOpen("Ausschreibung.pdf", ""));
  EXPECT_TRUE(
      hh_funcs::ShellOpen("/usr/bin/viewer", "-mapid 310110018 \"ms-its:mein Ordner/z.chm\""));
  EXPECT_EQ(desk.OpenedLinks, QStringList(QStringLiteral("Ausschreibung.pdf")));
  ASSERT_EQ(desk.StartedPrograms.size(), 1);
  // Quoted parameters stay one argument.
  EXPECT_EQ(desk.StartedPrograms[0],
            QStringLiteral("/usr/bin/viewer -mapid 310110018 ms-its:mein Ordner/z.chm"));
  EXPECT_TRUE(desk.Messages.empty());
}

TEST(ShellOpen, FailureShowsTheErrorText) {
  TTestDesktop desk;
  desk.LinksOpen = false;
  EXPECT_FALSE(hh_funcs::ShellOpen("Grüße.pdf", ""));
  EXPECT_FALSE(hh_funcs::ShellOpen("/nirgends/prog", "-x"));
  EXPECT_FALSE(hh_funcs::ShellOpen("", ""));
  EXPECT_EQ(desk.Texts(TMessageKind::Error),
            QStringList({Q("\"Grüße.pdf\" konnte nicht geöffnet werden."),
                         Q("\"/nirgends/prog\" konnte nicht geöffnet werden."),
                         Q("\"\" konnte nicht geöffnet werden.")}));
}

TEST(Help, OpensOnlyWhenViewerAndHelpFileAreThere) {
  TTestDesktop desk;
  TTestDir dir;
  TProgramDir programDir(dir.Path());
  QTemporaryDir bin;
  TEnvVar path("PATH", bin.path().toLocal8Bit());

  EXPECT_EQ(hh_funcs::FindHelpViewer(), "");
  EXPECT_FALSE(hh_funcs::ShowHelp());
  // The help file is found whatever the case of its name; without a viewer still nothing.
  const std::string help = dir.File("ZorCont.CHM");
  Touch(QString::fromStdString(help));
  EXPECT_EQ(hh_funcs::FindHelpFile(), help);
  EXPECT_EQ(hh_funcs::FindHelpFile("gibtsnicht.chm"), "");
  EXPECT_FALSE(hh_funcs::ShowHelp());
  EXPECT_TRUE(desk.StartedPrograms.isEmpty());

  const QString viewer = bin.filePath(QStringLiteral("xchm"));
  Touch(viewer, true);
  EXPECT_EQ(hh_funcs::FindHelpViewer(), S(viewer));
  EXPECT_TRUE(hh_funcs::ShowHelp());
  EXPECT_EQ(desk.StartedPrograms, QStringList(viewer + QLatin1Char(' ') + Q(help)));
  EXPECT_TRUE(desk.OpenedLinks.isEmpty());
  EXPECT_TRUE(desk.Messages.empty());
}

TEST(Help, FindsTheHelpFileInAProgramDirectoryWithAnUmlaut) {
  TTestDesktop desk;
  TTestDir dir;
  // The program directory holds Windows-1252 bytes like every text of the program.
  const std::string folder = dir.Path() + "Prüfung";
  ASSERT_TRUE(QDir().mkpath(Q(folder)));
  TProgramDir programDir(folder);
  Touch(Q(folder + "/zorcont.chm"));
  EXPECT_EQ(hh_funcs::FindHelpFile(), folder + "/zorcont.chm");
}
