#include <gtest/gtest.h>

#include <QDir>
#include <fstream>

#include "foundation/cp1252.h"
#include "foundation/filebase.h"
#include "support/testdir.h"

namespace {
// Names are Windows-1252 text, as the program holds them.
void WriteFile(const std::string& name, const std::string& text) {
  std::ofstream(cp1252::ToLocalPath(name), std::ios::binary) << text;
}
std::string ReadFile(const std::string& name) {
  std::ifstream in(cp1252::ToLocalPath(name), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}
}  // namespace

TEST(FileBase, ExistsOnlyForFiles) {
  TTestDir dir;
  WriteFile("BMLK0001.db", "x");
  QDir().mkdir(QStringLiteral("Bilder"));
  EXPECT_TRUE(TFileBaseSS::FileExists("BMLK0001.db"));
  EXPECT_TRUE(TFileBaseSS::FileExists(dir.File("BMLK0001.db")));
  EXPECT_FALSE(TFileBaseSS::FileExists("bmlk0001.db"));
  EXPECT_FALSE(TFileBaseSS::FileExists("Bilder"));
  EXPECT_FALSE(TFileBaseSS::FileExists(""));
}

TEST(FileBase, RenameNeverOverwrites) {
  TTestDir dir;
  WriteFile("old.txt", "old");
  WriteFile("taken.txt", "keep me");
  EXPECT_FALSE(TFileBaseSS::RenameFile("old.txt", "taken.txt"));
  EXPECT_EQ(ReadFile("taken.txt"), "keep me");
  EXPECT_TRUE(TFileBaseSS::FileExists("old.txt"));

  EXPECT_TRUE(TFileBaseSS::RenameFile("old.txt", "neu.txt"));
  EXPECT_FALSE(TFileBaseSS::FileExists("old.txt"));
  EXPECT_EQ(ReadFile("neu.txt"), "old");
  EXPECT_FALSE(TFileBaseSS::RenameFile("missing.txt", "other.txt"));
  EXPECT_FALSE(TFileBaseSS::RenameFile("", "other.txt"));
}

TEST(FileBase, NamesWithUmlautsReachTheFileSystemAsUtf8) {
  TTestDir dir;
  WriteFile("Prüfung.txt", "x");
  EXPECT_TRUE(QDir().exists(QStringLiteral(u"Prüfung.txt")));
  EXPECT_TRUE(TFileBaseSS::FileExists("Prüfung.txt"));
  EXPECT_TRUE(TFileBaseSS::RenameFile("Prüfung.txt", "Übung.txt"));
  EXPECT_TRUE(QDir().exists(QStringLiteral(u"Übung.txt")));
}

TEST(FileBase, AddBackslash) {
  EXPECT_EQ(TFileBaseSS::AddBackslash(""), "");
  EXPECT_EQ(TFileBaseSS::AddBackslash("/home/dl1abc"), "/home/dl1abc/");
  EXPECT_EQ(TFileBaseSS::AddBackslash("/home/dl1abc/"), "/home/dl1abc/");
  EXPECT_EQ(TFileBaseSS::AddBackslash("C:"), "C:");
}

TEST(FileBase, FindFileNoCase) {
  TTestDir dir;
  WriteFile("mvpr.rtf", "rules");
  WriteFile("Saar.BMP", "bmp");
  QDir().mkdir(QStringLiteral("SUB"));
  EXPECT_EQ(TFileBaseSS::FindFileNoCase(dir.Path(), "MVPR.RTF"), dir.File("mvpr.rtf"));
  EXPECT_EQ(TFileBaseSS::FindFileNoCase(dir.Path(), "saar.bmp"), dir.File("Saar.BMP"));
  EXPECT_EQ(TFileBaseSS::FindFileNoCase("", "SAAR.bmp"), "Saar.BMP");
  EXPECT_EQ(TFileBaseSS::FindFileNoCase(dir.Path(), "sub"), "");  // folders are no files
  EXPECT_EQ(TFileBaseSS::FindFileNoCase(dir.Path(), "fehlt.bmp"), "");
  EXPECT_EQ(TFileBaseSS::FindFileNoCase(dir.File("fehlt"), "saar.bmp"), "");
  EXPECT_EQ(TFileBaseSS::FindFileNoCase(dir.Path(), ""), "");

  WriteFile("saar.bmp", "exact");  // an exact name wins over a case twin
  EXPECT_EQ(TFileBaseSS::FindFileNoCase(dir.Path(), "saar.bmp"), dir.File("saar.bmp"));
  WriteFile("Änderung.txt", "x");
  EXPECT_EQ(TFileBaseSS::FindFileNoCase(dir.Path(), "änderung.TXT"), dir.File("Änderung.txt"));
}
