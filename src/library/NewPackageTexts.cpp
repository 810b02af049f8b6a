#include "library/NewPackageTexts.h"

namespace velgaro {
namespace {

constexpr const char* kNewSection = "New";

}  // namespace

std::string NewDefault(NewKey key) {
  switch (key) {
    case kNewCaption: return "Новый пакет";
    case kNewDescriptionTip: return "Введите несколько слов, характеризующих пакет";
    case kNewBrowseTip: return "Обзор файлов";
    case kNewPathTip: return "Чтобы ввести файл - нажмите кнопочку обзор";
    case kNewNameTip: return "Введите имя понятное для Вас";
    case kNewExecutables: return "Исполняемые файлы";
    case kNewRegistryFiles: return "Файлы реестра";
    case kNewBatchFiles: return "Пакетные файлы MS-DOS";
    case kNewOpenTitle: return "Открыть";
    case kNewEnterName: return "Введите имя пакета";
    case kNewNameCharacters: return "Имя файла не должно содержать следующих знаков";
    case kNewAlreadyExists: return "Пакет с именем '%s' уже существует в выбранной директории.";
    case kNewOverwrite: return "Нажмите Да для перезаписи или Нет для ввода заново.";
    case kNewPathCharacters: return "Путь к файлу не должен содержать следующих знаков";
    case kNewFileNotFound: return "Указанный Вами файл не найден.";
    case kNewSureItWillExist: return "Если Вы уверены, что указанный путь будет существовать, в будущем - нажмите Да.";
    case kNewPressNoForAnother: return "Нажмите Нет - если желаете ввести другой путь к файлу";
    case kNewSavePathTitle: return "Сохранить путь к файлу?";
    case kNewPropertiesCaption: return "Свойства";
    case kNewWrongValue: return "Неправильное значение";
    case kNewRenameFailed: return "Переименнование файла '%s' невозможно.";
    case kNewRenameTitle: return "Переименование невозможно";
    case kNewPathMissing: return "Необходимо ввести адрес исполняемого файла";
    case kNewPathNotFound: return "Введите существующий адрес файла.";
    case kNewAutoReplaceTip: return "Автоматическая замена пути на переменную";
    case kNewUnsupportedType: return "Выберите только поддерживаемый тип файлов";
    case kNewCharactersLeftTip: return "Осталось символов";
    case kNewNeedRebootTip: return "Разрешить инсталлируемым программам перезагружать ПК после завершения установки.";
    case kNewSpeedTip: return "Следует ограничить, когда при большой скорости происходит сбой.";
    case kNewDefSelectTip: return "При запуске программы - пакет будет выделен по умолчанию";
    case kNewCreateRebootTip: return "Принудительно произвести перезагрузку ПК, после установки данного пакета.";
    case kNewNeedWaitTip: return "Velgaro Replaysetup будет ожидать завершение запущенного процесса.";
    case kNewCreateDate: return "Дата создания:";
    case kNewMainTab: return "Основные";
    case kNewOptionsTab: return "Параметры";
    case kNewSpeedNone: return "Без ограничения";
    case kNewSpeedMedium: return "Средняя";
    case kNewSpeedSlow: return "Медленно";
    case kNewAllFormats: return "Все форматы";
    case kNewCommandScripts: return "Командный сценарий Windows NT";
    case kNewNameInUse: return "Пакет с именем '%s' уже есть в папке. Выберите другое имя: тот пакет не будет перезаписан.";
  }
  return std::string();
}

std::string NewText(const Language& language, NewKey key) { return language.LangText(NewDefault(key), kNewSection, key); }

std::string NewTextParam(const Language& language, NewKey key, const std::string& value) {
  return language.LangTextParam(ReplaceParam(NewDefault(key), value), kNewSection, key, value);
}

}  // namespace velgaro
