#include "about/frm_about.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"

namespace zudav {
namespace {

TEST(About, ShowsTheBarNameVersionAndDescriptionAndItsLinksOpenFromTheProgramsFolder) {
    FakePlatform platform;
    platform.executablePath = L"C:\\Users\\Propri\u00e9taire\\Barres\\Autre.exe";
    platform.versionInfo = {
        {L"FileDescription", L"Zudav, la barre"}, {L"Comments", L"Treize emplacements"}, {L"FileVersion", L"9.9"}};
    FrmAbout about(platform);
    about.Charger(L"Mes outils", L"\r\n");
    EXPECT_EQ(about.caption, L"Mes outils");
    EXPECT_EQ(about.lblTitle, L"Autre");
    EXPECT_EQ(about.lblVersion, L"Version 3.0");  // whatever the version information says
    EXPECT_EQ(about.lblDescription, L"\r\nZudav, la barre\r\nTreize emplacements");

    about.OnLabel1Click(0);  // only the web link, Label1(2), opens anything
    EXPECT_TRUE(platform.opened.empty());
    about.OnLabel1Click(2);
    about.OnLabel2Click();
    ASSERT_EQ(platform.opened.size(), 2u);
    EXPECT_EQ(platform.opened[0].verb, L"open");
    EXPECT_EQ(platform.opened[0].file, about.label1 + L"/");
    EXPECT_EQ(platform.opened[0].folder, L"C:\\Users\\Propri\u00e9taire\\Barres");
    EXPECT_EQ(platform.opened[1].verb, L"Open");
    EXPECT_EQ(platform.opened[1].file.rfind(L"mailto:", 0), 0u);
}

}  // namespace
}  // namespace zudav
