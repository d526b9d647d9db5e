#include "bar/settings/keys.h"
#include "bar/settings/memory_store.h"

#include <gtest/gtest.h>

#include "platform/paths.h"

namespace zudav {
namespace {

TEST(SettingsStore, NamesCompareWithoutCaseAtEveryLevel) {
    MemoryStore store;
    store.Write(L"Zudav", L"Donnees", L"Width", L"870");
    EXPECT_EQ(store.Read(L"zudav", L"DONNEES", L"width"), L"870");
    store.Write(L"ZUDAV", L"donnees", L"WIDTH", L"900");
    EXPECT_EQ(store.Read(L"Zudav", L"Donnees", L"Width"), L"900");
    // Accented names fold too: the configuration window reads what start-up wrote.
    store.Write(L"Zudav", L"Donnees", keys::kBloquee, L"1");
    EXPECT_EQ(store.Read(L"Zudav", L"Donnees", L"BLOQUÉE"), L"1");
}

TEST(SettingsStore, EmptyButPresentIsNotTheDefault) {
    MemoryStore store;
    EXPECT_EQ(store.Read(L"Zudav", L"Donnees", L"Focus3", L"1"), L"1");
    store.Write(L"Zudav", L"Donnees", L"Focus3", L"");
    EXPECT_EQ(store.Read(L"Zudav", L"Donnees", L"Focus3", L"1"), L"");
    // Absent application or section also yield the default.
    EXPECT_EQ(store.Read(L"Autre", L"Donnees", L"Focus3", L"d"), L"d");
    EXPECT_EQ(store.Read(L"Zudav", L"Autre", L"Focus3", L"d"), L"d");
}

TEST(SettingsStore, DeletingAMissingKeyFailsAndKeepsOthers) {
    MemoryStore store;
    EXPECT_FALSE(store.Delete(L"Zudav", L"Donnees", L"Ligne0"));
    store.Write(L"Zudav", L"Donnees", L"Ligne0", L"a");
    store.Write(L"Zudav", L"Donnees", L"Ligne1", L"b");
    EXPECT_TRUE(store.Delete(L"Zudav", L"Donnees", L"LIGNE0"));
    EXPECT_FALSE(store.Find(L"Zudav", L"Donnees", L"Ligne0"));
    EXPECT_EQ(store.Read(L"Zudav", L"Donnees", L"Ligne1"), L"b");
    EXPECT_FALSE(store.Delete(L"Zudav", L"Donnees", L"Ligne0"));
}

TEST(SettingsStore, ItemKeysHaveNoLeadingZeroOrBlank) {
    EXPECT_EQ(keys::ItemKey(keys::kChemin, 0), L"Chemin0");
    EXPECT_EQ(keys::ItemKey(keys::kChemin, 10), L"Chemin10");
    EXPECT_EQ(keys::ItemKey(keys::kFicALancer, 12), L"FicALancer12");
}

TEST(Paths, BaseNameFolderAndJoin) {
    EXPECT_EQ(BaseName(L"C:\\Outils\\Zudav.exe"), L"Zudav");
    EXPECT_EQ(BaseName(L"C:\\Users\\Propri\u00e9taire\\Ma.Barre.exe"), L"Ma.Barre");
    EXPECT_EQ(BaseName(L"Autre.EXE"), L"Autre");
    EXPECT_EQ(BaseName(L"C:\\sans extension\\Outil"), L"Outil");
    EXPECT_EQ(FolderOf(L"C:\\Outils\\Zudav.exe"), L"C:\\Outils");
    EXPECT_EQ(FolderOf(L"C:\\Zudav.exe"), L"C:\\");
    EXPECT_EQ(JoinPath(L"C:\\Outils", L"Zudav.chm"), L"C:\\Outils\\Zudav.chm");
    EXPECT_EQ(JoinPath(L"C:\\", L"Zudav.chm"), L"C:\\Zudav.chm");
}

}  // namespace
}  // namespace zudav
