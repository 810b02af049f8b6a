#include "library/LibraryTexts.h"

namespace velgaro {

std::string MainDefault(MainKey key) {
  switch (key) {
    case kMainChooseFolder: return "Выберите папку";
    case kMainFolderError: return "Ошибка: Выберите существующий каталог";
    case kMainHelpMissing: return "Отсутствует файл справки";
    case kMainError: return "Ошибка";
    case kMainBrowseTitle: return "Выберите папку содержащую файлы .VGP";
    case kMainNoFurtherWork: return "Дальнейшая работа не возможна.";
    case kMainChooseSaveFolder: return "Выберите пожалуйста папку для сохранения файлов VGP.";
    case kMainAttention: return "Внимание";
    case kMainPressF5: return "Нажмите F5 чтобы начать установку";
    case kMainOf: return "из";
    case kMainDeleteQuestion: return "Вы действительно хотите удалить %s пакетов?";
    case kMainCannotRestore: return "Восстановить эти файлы будет невозможно.";
    case kMainDeleteTitle: return "Удалить выбранное?";
    case kMainDeleted: return "Удачно удалено - %s из";
    case kMainLoading: return "Загрузка %s из";
    case kMainInstallerMissing: return "Не найден исполняемый файл";
    case kMainFileMissing: return "Файл не найден";
    case kMainCountTip: return "Количество выбранных пакетов";
    case kMainFolderLoaded: return "Папка найдена, и загружена";
    case kMainPathRetry: return "Путь не найден, попробуйте ввести заново";
    case kMainPathNotFound: return "Не найден указанный путь";
    case kMainFolderButton: return "Папка vgp";
    case kMainFolderButtonTip: return "Папка для хранения файлов .vgp";
    case kMainNewPackageTip: return "Создает пакет vgp, для хранения информации о действиях над приложениями";
    case kMainInstallButton: return "Установить";
    case kMainPropertiesTip: return "Окно свойств проекта";
    case kMainNothingThere: return "Каталог или файл не существует";
    case kMainNotFound: return "Не найден";
    case kMainColumnPackage: return "Пакет";
  }
  switch (static_cast<int>(key)) {
    case kMainColumnPackage + 1: return "Наличие";
    case kMainColumnPackage + 2: return "Описание";
    case kMainColumnPackage + 3: return "Путь";
    default: return std::string();
  }
}

std::string MainText(const Language& language, MainKey key) { return language.LangText(MainDefault(key), "main", key); }

std::string MainTextParam(const Language& language, MainKey key, const std::string& value) {
  return language.LangTextParam(ReplaceParam(MainDefault(key), value), "main", key, value);
}

std::string MainTextAffix(const Language& language, MainKey key, const std::string& affix) {
  return language.LangTextAffix(MainDefault(key), "main", key, false, affix);
}

}  // namespace velgaro
