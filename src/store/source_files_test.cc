#include "store/source_files.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/fake_env.h"
#include "util/run_stop.h"

namespace corvalis {
namespace {

TEST(SourceFilesTest, PagesGoIntoTheSourceFolder) {
  FakeEnv env;
  auto store = std::make_unique<SeasonStore>();
  store->source_dir = "C:\\lega";
  EXPECT_EQ(SourcePath(*store, "corvalis.htm"), "C:\\lega\\corvalis.htm");
  store->source_dir = "D:\\dati\\";  // as conf.txt sets it: a doubled separator
  EXPECT_EQ(SourcePath(*store, "corvalis.htm"), "D:\\dati\\\\corvalis.htm");
  WriteSourceFile(env, *store, "corvalis.htm", {"a", "b"});
  EXPECT_EQ(env.Contents("D:\\dati\\corvalis.htm"), "a\r\nb\r\n");
}

TEST(SourceFilesTest, UnwritableFolderStopsTheRunNamingTheFile) {
  FakeEnv env;
  auto store = std::make_unique<SeasonStore>();
  store->source_dir = "C:\\lega";
  env.AddFile("C:\\lega\\bestrose.htm", "vecchio\r\n");
  env.MakeFolderUnwritable("C:\\lega");
  try {
    WriteSourceFile(env, *store, "bestrose.htm", {"nuovo"});
    FAIL() << "no stop";
  } catch (const RunStop& stop) {
    EXPECT_EQ(stop.status(), kExitPlatform);
    EXPECT_NE(std::string(stop.what()).find("C:\\lega\\bestrose.htm"), std::string::npos);
  }
  EXPECT_EQ(env.Contents("C:\\lega\\bestrose.htm"), "vecchio\r\n");
}

TEST(SourceFilesTest, UnreadableFileStopsTheRunNamingTheFile) {
  FakeEnv env;
  auto store = std::make_unique<SeasonStore>();
  env.AddLines("C:\\lega\\Panchine.txt", {"Alfa\tSi"});
  EXPECT_EQ(ReadFileOrStop(env, *store, "C:\\lega\\Panchine.txt"), Lines{"Alfa\tSi"});
  try {
    ReadFileOrStop(env, *store, "C:\\lega\\cred.txt");
    FAIL() << "no stop";
  } catch (const RunStop& stop) {
    EXPECT_EQ(stop.status(), kExitPlatform);
    EXPECT_EQ(std::string(stop.what()),
              "Impossibile leggere il file C:\\lega\\cred.txt: file non trovato");
  }
}

TEST(SourceFilesTest, LongLinesAreCutWithOneWarningPerFile) {
  FakeEnv env;
  auto store = std::make_unique<SeasonStore>();
  std::string tail(kMaxLineBytes + 1, 'x');
  env.AddLines("C:\\lega\\conf.txt", {"Alfa", tail, "Beta", tail});
  TextLines lines;
  ASSERT_TRUE(ReadLeagueText(env, *store, "C:\\lega\\conf.txt", &lines).ok());
  EXPECT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[3].size(), kMaxLineBytes);
  EXPECT_EQ(env.MessageTexts(),
            std::vector<std::string>{
                "Le righe 2 e 4 del file C:\\lega\\conf.txt sono piu' lunghe di 65536 byte: "
                "di ognuna sono letti solo i primi 65536"});
  EXPECT_EQ(LongLinesWarning("f", {7}),
            "La riga 7 del file f e' piu' lunga di 65536 byte: ne sono letti solo i primi 65536");
  EXPECT_EQ(LongLinesWarning("f", {1, 2, 3, 4, 5, 6, 7}).rfind("Le righe 1, 2, 3, 4, 5 e altre 2 del file f", 0),
            0u);
}

// The run is UTF-8 until one league text is not: from then on Windows-1252,
// whatever later texts hold. An unreadable file says nothing.
TEST(SourceFilesTest, LeagueTextsNarrowTheRunsEncoding) {
  FakeEnv env;
  auto store = std::make_unique<SeasonStore>();
  env.AddLines("C:\\lega\\conf.txt", {"Citt\xC3\xA0", "VLAHOVI\xC4\x86 Dusan"});
  env.AddLines("C:\\lega\\a_Risultati1.tab", {"Rag\xF9"});
  env.AddLines("C:\\lega\\Panchine.txt", {"Citt\xC3\xA0"});
  TextLines lines;
  EXPECT_TRUE(ReadLeagueText(env, *store, "C:\\lega\\conf.txt", &lines).ok());
  EXPECT_EQ(store->encoding, TextEncoding::kUtf8);
  EXPECT_FALSE(ReadLeagueText(env, *store, "C:\\lega\\cred.txt", &lines).ok());
  EXPECT_EQ(store->encoding, TextEncoding::kUtf8);
  EXPECT_EQ(ReadFileOrStop(env, *store, "C:\\lega\\a_Risultati1.tab"), Lines{"Rag\xF9"});
  EXPECT_EQ(store->encoding, TextEncoding::kWindows1252);
  ReadFileOrStop(env, *store, "C:\\lega\\Panchine.txt");
  EXPECT_EQ(store->encoding, TextEncoding::kWindows1252);
}

}  // namespace
}  // namespace corvalis
