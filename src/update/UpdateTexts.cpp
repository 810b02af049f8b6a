#include "update/UpdateTexts.h"

namespace velgaro {

std::string UpdateDefault(UpdateKey key) {
  switch (key) {
    case kUpdateTitle: return "Проверка обновления";
    case kUpdateDescLinkTip: return "Перейти на страницу описания продукта";
    case kUpdateYourVersion: return "Ваша версия";
    case kUpdateVersionLabel: return "Версия:";
    case kUpdateSiteVersion: return "Доступная версия на сайте";
    case kUpdateDirectLinkTip: return "Начать закачку файла";
    case kUpdateDescLinkLabel: return "Ссылка на описание:";
    case kUpdateSizeLabel: return "Размер файла:";
    case kUpdateDescriptionLabel: return "Описание:";
    case kUpdateBetaLabel: return "Тестовая версия:";
    case kUpdateDirectLinkLabel: return "Прямая ссылка:";
    case kUpdateCancel: return "Прервать запрос";
    case kUpdateHeading: return "Он-лайн проверка обновления";
    case kUpdateCancelled: return "Прервано пользователем...";
    case kUpdateUpdating: return "Выполняется обновление...";
    case kUpdateUnavailable: return "Сервер обновления недоступен";
    case kUpdateState0: return "Невозможно прочитать файл на сервере";
    case kUpdateState1: return "Выполняется загрузка информации";
    case kUpdateState2: return "Выполняется анализ";
    case kUpdateState3: return "Подготовка к чтению";
    case kUpdateState4: return "Готово";
    case kUpdateNewVersion: return "Доступна новая версия";
    case kUpdateLatest: return "У Вас установлена последняя версия";
    case kUpdateBackup: return "Выполняется обновление с резервного сервера...";
  }
  return {};
}

std::string UpdateText(const Language& language, UpdateKey key) {
  return language.LangText(UpdateDefault(key), kUpdateSection, key);
}

std::string UpdateTextAffix(const Language& language, UpdateKey key, const std::string& affix) {
  return language.LangTextAffix(UpdateDefault(key), kUpdateSection, key, false, affix);
}

std::string UpdateCloseText(const Language& language) { return language.LangText("Закрыть", "Statistic", 2); }

}  // namespace velgaro
