// The update window's request, verdict, fall-back to the backup server, cancel and links.
#include <gtest/gtest.h>

#include "platform/posix/PosixXml.h"
#include "platform/sim/SimPlatform.h"
#include "update/UpdateModel.h"

namespace velgaro::test {
namespace {

struct FakeHttp : HttpGet {
  bool Start(const std::string& url) override {
    started.push_back(url);
    return url.rfind("http", 0) == 0;
  }
  void Abort() override { ++aborts; }
  std::vector<std::string> started;
  int aborts = 0;
};

const char kNewer[] =
    "<?xml version=\"1.0\"?><list><info><version>2.0</version><major>2</major><minor>0</minor><revision>1</revision>"
    "<codename>Next</codename><is_beta>True</is_beta><direct_link>http://example.org/v2.zip</direct_link>"
    "<description_link>file:///C:/secret.txt</description_link><filesize>3 MB</filesize>"
    "<descriptions><English>Faster</English></descriptions></info></list>";

class UpdateModelTest : public ::testing::Test {
 protected:
  UpdateModelTest() { language.SetName("English"); }
  UpdateModel& Model(UpdateServers servers = {"http://one.example/", "http://two.example"}) {
    model = std::make_unique<UpdateModel>(UpdateDeps{language, xml, shell, http, servers, {1, 5, 0}});
    return *model;
  }

  Language language;
  PosixXml xml;
  SimShell shell;
  FakeHttp http;
  std::unique_ptr<UpdateModel> model;
};

TEST_F(UpdateModelTest, LoadingAsksTheFirstServerAndShowsEachReadyState) {
  UpdateModel& m = Model();
  m.Load();
  EXPECT_EQ(http.started, std::vector<std::string>{"http://one.example/update.xml"});
  EXPECT_EQ(m.State().caption, "Проверка обновления");
  EXPECT_EQ(m.State().status, "Выполняется обновление...");
  EXPECT_EQ(m.State().myVersion, "1.5.0 ");
  EXPECT_EQ(m.State().cancelCaption, "Прервать запрос");
  const char* expected[] = {"Невозможно прочитать файл на сервере", "Выполняется загрузка информации",
                            "Выполняется анализ", "Подготовка к чтению"};
  for (int state = 0; state < 4; ++state) {
    m.ReadyStateChanged(state);
    EXPECT_EQ(m.State().status, expected[state]);
    EXPECT_FALSE(m.State().finished);
  }
  EXPECT_EQ(m.UpdateCodeToStr(7), "");
}

TEST_F(UpdateModelTest, ANewerVersionIsShownWithItsLinks) {
  UpdateModel& m = Model();
  m.Load();
  m.ReadyStateChanged(4, std::string(kNewer));
  const UpdateState& s = m.State();
  EXPECT_EQ(s.status, "Доступна новая версия");
  EXPECT_EQ(s.statusColor, UpdateColor::Green);
  EXPECT_EQ(s.versionLine, "2.0 Next Beta");
  EXPECT_EQ(s.description, "Faster");
  EXPECT_EQ(s.fileSize, "3 MB");
  EXPECT_TRUE(s.linkButtons);
  EXPECT_TRUE(s.focusDirectLink);
  EXPECT_TRUE(s.finished);
  EXPECT_EQ(s.cancelCaption, "Закрыть");

  // The direct link is a web address and opens; the description link names a local file: shown, never opened.
  m.OpenDirectLink();
  m.OpenDescriptionLink();
  EXPECT_EQ(s.descriptionLink, "file:///C:/secret.txt");
  EXPECT_EQ(shell.opened, std::vector<std::string>{"http://example.org/v2.zip"});

  m.CancelPressed();   // the check is over: the button closes the window at once
  EXPECT_TRUE(m.State().closeRequested);
  EXPECT_EQ(http.aborts, 0);
}

TEST_F(UpdateModelTest, TheSameOrAnOlderVersionIsTheLatestAndAListWithoutInfoToo) {
  for (const char* list : {"<l><info><major>1</major><minor>5</minor><revision>0</revision></info></l>",
                           "<l><info><major>1</major><minor>4</minor><revision>99</revision></info></l>",
                           "<l><nothing/></l>"}) {
    UpdateModel& m = Model();
    m.Load();
    m.ReadyStateChanged(4, list);
    EXPECT_EQ(m.State().status, "У Вас установлена последняя версия") << list;
    EXPECT_EQ(m.State().statusColor, UpdateColor::Green);
    EXPECT_FALSE(m.State().linkButtons);
  }
}

TEST_F(UpdateModelTest, NoDocumentFromTheFirstServerAsksTheBackupOnce) {
  const std::string hostile = "<?xml version=\"1.0\"?><!DOCTYPE l [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>"
                              "<l><info><major>9</major><descriptions><English>&x;</English></descriptions></info></l>";
  // No answer, an empty text, damaged XML, a list with a document type, one larger than the limit.
  for (const std::optional<std::string>& document :
       {std::optional<std::string>(), std::optional<std::string>(""), std::optional<std::string>("<l><info>"),
        std::optional<std::string>(hostile), std::optional<std::string>(std::string(HttpGet::kMaxBody + 1, ' '))}) {
    http.started.clear();
    UpdateModel& m = Model();
    m.Load();
    m.ReadyStateChanged(4, document);
    EXPECT_TRUE(m.State().backupTimer);
    EXPECT_FALSE(m.State().finished);
    m.BackupTimer();
    EXPECT_EQ(http.started.back(), "http://two.example/update.xml");
    EXPECT_EQ(m.State().status, "Выполняется обновление с резервного сервера...");
    m.ReadyStateChanged(4, document);
    EXPECT_FALSE(m.State().backupTimer);
    EXPECT_EQ(m.State().status, "Сервер обновления недоступен");
    EXPECT_EQ(m.State().statusColor, UpdateColor::Red);
    EXPECT_TRUE(m.State().finished);
    EXPECT_EQ(m.State().description, "");
    EXPECT_EQ(http.started.size(), 2u);
  }
}

TEST_F(UpdateModelTest, TheBackupsListIsShownAndAnUnstartableAddressCountsAsNoDocument) {
  UpdateModel& m = Model({"not a url", "http://two.example"});
  m.Load();
  EXPECT_TRUE(m.State().backupTimer);
  m.BackupTimer();
  m.ReadyStateChanged(1);
  m.ReadyStateChanged(4, std::string(kNewer));
  EXPECT_EQ(m.State().status, "Доступна новая версия");

  UpdateModel& single = Model({"http://one.example", ""});
  single.Load();
  single.ReadyStateChanged(4, std::nullopt);
  EXPECT_FALSE(single.State().backupTimer);
  EXPECT_EQ(single.State().status, "Сервер обновления недоступен");
}

TEST_F(UpdateModelTest, CancelStopsTheRequestAndLateReportsAreIgnored) {
  UpdateModel& m = Model();
  m.Load();
  m.ReadyStateChanged(2);
  m.CancelPressed();
  EXPECT_EQ(http.aborts, 1);
  EXPECT_EQ(m.State().status, "Прервано пользователем...");
  EXPECT_EQ(m.State().statusColor, UpdateColor::Red);
  EXPECT_EQ(m.State().cancelCaption, "Закрыть");
  EXPECT_FALSE(m.State().closeRequested);
  m.ReadyStateChanged(4, std::string(kNewer));
  EXPECT_EQ(m.State().status, "Прервано пользователем...");
  m.CancelPressed();
  EXPECT_TRUE(m.State().closeRequested);

  UpdateModel& closing = Model();
  closing.Load();
  closing.Unload();
  EXPECT_EQ(http.aborts, 2);
  EXPECT_FALSE(closing.State().finished);
}

TEST(UpdateServers, SettingsOverrideTheBuildsAddresses) {
  SimSettingsStore settings;
  const UpdateServers defaults = UpdateServersOf(settings);
  EXPECT_EQ(defaults.primary.rfind("http://", 0), 0u);
  EXPECT_FALSE(defaults.backup.empty());
  settings.Set("Update", "Server", " http://127.0.0.1:8080 ");
  settings.Set("Update", "BackupServer", "http://mirror.local/velgaro/");
  const UpdateServers mine = UpdateServersOf(settings);
  EXPECT_EQ(UpdateListUrl(mine.primary), "http://127.0.0.1:8080/update.xml");
  EXPECT_EQ(UpdateListUrl(mine.backup), "http://mirror.local/velgaro/update.xml");
}

}  // namespace
}  // namespace velgaro::test
