#include "wizard/WizardTexts.h"

namespace velgaro {

std::string WizardDefault(WizardKey key) {
  switch (key) {
    case kWizardTitle: return "Мастер создания диска";
    case kWizardNext: return "Далее";
    case kWizardBrowse: return "Обзор";
    case kWizardBulletProgram: return "Программа \"VELGARO\"";
    case kWizardBulletPackages: return "\"FOLDER VGP\" - папка с файлами VGP";
    case kWizardBulletAutorun: return "Файл \"Autorun.inf\"";
    case kWizardStep: return "Шаг";
    case kWizardAbortQuestion: return "Вы действительно хотите прервать работу мастера?";
    case kWizardNotAllCopied:
      return "Не все файлы были скопированы. Возможно Вы не обладаете правами доступа, папка только для чтения или "
             "не достаточно места.";
    case kWizardCopyFailed: return "Процесс копирования провален";
    case kWizardCopySucceeded: return "Процесс копирования завершён успешно";
    case kWizardFinish: return "Финиш";
    case kWizardChooseTarget: return "Укажите месторасположение будущего образа диска. Папка должна быть пуста";
    case kWizardMustChooseTarget: return "Вы должны выбрать расположение";
    case kWizardChoosePackageFolder: return "Выберите папку содержащую файлы .VGP";
    case kWizardFiles: return "файлов";
    case kWizardNeedPackageFile: return "Вы должны выбрать папку, в которой содержиться как минимум 1 файл VGP";
    case kWizardSpeedFast: return "Быстрая";
    case kWizardSpeedMedium: return "Средняя";
    case kWizardSpeedSlow: return "Медленно";
    case kWizardAutorunError: return "Ошибка создания файла автозапуска";
    case kWizardAutorunWriteFailed: return "Запись в файл - провалена. Возможно установлен атрибут только для чтения";
    case kWizardAutorunCreated: return "Создание файла автозапуска";
    case kWizardCopyingFile: return "Копирование файла `%s` в `";
    case kWizardFileCopyError: return "Ошибка копирования файла";
    case kWizardCreatingFolder: return "Сoздание папки";   // its second letter is a Latin "o", as shipped
    case kWizardFolderCreateError: return "Ошибка создания папки";
    case kWizardSelectAllTip: return "Выделить все";
    case kWizardClearAllTip: return "Снять все пометки";
    case kWizardCompute: return "Вычислить";
    case kWizardColumnPackage: return "Пакет";
    case kWizardColumnInstaller: return "Путь к файлу";
    case kWizardColumnFolder: return "Каталог с программой";
    case kWizardColumnSize: return "Размер";
    case kWizardCopyFinishedWithErrors: return "Процесс копирования завершен с ошибками";
    case kWizardCopyDone: return "Копирование завершено";
    case kWizardChooseOneFolder: return "Для продолжения необходимо указать хотя бы одну папку";
    case kWizardNotEnoughSpace: return "Недостаточно места на диске";
    case kWizardPressNextToCopy: return "Нажмите Далее чтобы приступить к копированию";
    case kWizardChooseProgramFolder: return "Укажите папку с программой";
    case kWizardCounting: return "Подсчет объема данных ...";
    case kWizardCopyingFolders: return "Копирование каталогов в папку - %s";
    case kWizardFolderCopied: return "Папка скопирована";
    case kWizardCopyErrorInto: return "Ошибка копирования в %s";
    case kWizardFolderNotFound: return "Не найдена папка";
    case kWizardEqualFolders: return "Внимание: обнаружены одинаковые каталоги ";
    case kWizardCheckFolderPaths: return "Проверьте правильность пути к каталогам программ:";
    case kWizardNestedFolders: return "Внимание: обнаружена вложенность папок";
    case kWizardSetFoldersRight: return "Укажите правильно каталоги для программ:";
    case kWizardDoubleClickFolders:
      return "Двойным щелчком укажите папки для копирования, и нажмите кнопку Вычислить размер";
    case kWizardPressNextToCopyLower: return "Нажмите далее чтобы приступить к копированию";
    case kWizardEnterSoftFolder: return "Необходимо ввести имя папки для программ";
    case kWizardReplaceNo: return "Нет, завершить работу мастера, замена будет произведена вручную.";
    case kWizardReplaceYes:
      return "ДА, заменить совпадающие пути на переменные. Этот вариант подходит Вам, если Вы уже готовы записать "
             "данные на диск.";
    case kWizardFoldersCopiedTotal: return "Итого скопировано папок:";
    case kWizardTargetInsideCopied:
      return "Папка образа диска лежит внутри копируемой папки %s. Выберите другую папку для образа диска.";
    case kWizardTargetIsPackageFolder:
      return "Папка образа диска совпадает с папкой пакетов %s. Выберите другую папку для образа диска.";
    case kWizardFileNotCopied: return "Не удалось скопировать файл %s";
    case kWizardSettingsWriteError: return "Ошибка записи файла настроек";
    case kWizardTargetInsidePackageFolder:
      return "Папка образа диска лежит внутри папки пакетов %s. Выберите другую папку для образа диска.";
  }
  return std::string();
}

std::string WizardText(const Language& language, WizardKey key) {
  return language.LangText(WizardDefault(key), kWizardSection, key);
}

std::string WizardTextParam(const Language& language, WizardKey key, const std::string& value) {
  return language.LangTextParam(ReplaceParam(WizardDefault(key), value), kWizardSection, key, value);
}

std::string WizardTextAffix(const Language& language, WizardKey key, const std::string& affix, bool atStart) {
  return language.LangTextAffix(WizardDefault(key), kWizardSection, key, atStart, affix);
}

std::string WizardNonEmptyFolderText(const Language& language) {
  return language.LangText("Для продолжения необходимо указать хотя бы одну непустую папку", kWizardSection,
                           kWizardDoubleClickFolders);
}

std::string WizardBlankNameText(const Language& language) { return language.LangText("Введите имя пакета", "New", 16); }

std::string WizardNameCharactersText(const Language& language) {
  return language.LangText("Имя папки не должно содержать следующих знаков", "New", 17);
}

std::string WizardOfText(const Language& language) { return language.LangText("из", "main", 13); }

}  // namespace velgaro
