#include "editor/EditorTexts.h"

namespace velgaro {

std::string EditorDefault(EditorKey key) {
  switch (key) {
    case kEditorFindFrame: return "Поиск и замена";
    case kEditorFindLabel: return "Что искать";
    case kEditorReplaceLabel: return "Заменить на";
    case kEditorReplaceButton: return "Заменить";
    case kEditorSaveFrame: return "Сохранение";
    case kEditorHint:
      return "Уберите галочку напротив пакета, если Вы не желаете вносить изменения. Измененные пакеты "
             "выделены жирным шрифтом.";
    case kEditorSaveButton: return "Сохранить";
    case kEditorStatsFrame: return "Статистика";
    case kEditorTotalLabel: return "пакетов всего";
    case kEditorChangedLabel: return "пакетов изменено";
    case kEditorToSaveLabel: return "будет сохранено";
    case kEditorTitle: return "Мастер пакетного поиска и замены пути";
    case kEditorColumnName: return "Имя пакета";
    case kEditorColumnPath: return "Путь к файлу";
    case kEditorColumnNewPath: return "Новый путь";
    case kEditorAutoReplaceOff: return "Автозамена отключена";
    case kEditorSaved: return "Сохранено изменений - %s";
    case kEditorEnterFind: return "Введите строку для поиска";
    case kEditorFindError: return "Ошибка поиска";
    case kEditorEmptyReplace:
      return "Вы дествительно желаете оставить пустую строку для замены. В этом случае искомый текст будет "
             "удален.";
    case kEditorResults: return "Результов последнего поиска - %s";
    case kEditorPressSave: return "Чтобы сохранить - нажмите кнопку Сохранить";
    case kEditorNoMatch: return "Не было найденно ни одного совпадения.";
  }
  return std::string();
}

std::string EditorText(const Language& language, EditorKey key) {
  return language.LangText(EditorDefault(key), kEditorSection, key);
}

std::string EditorTextParam(const Language& language, EditorKey key, const std::string& value) {
  return language.LangTextParam(EditorDefault(key), kEditorSection, key, value);
}

std::string ModuleErrorText(const Language& language, const std::string& module) {
  return language.LangTextParam("Обнаружена ошибка в модуле %s", "Error", 2, module);
}

std::string AbortWizardText(const Language& language) {
  return language.LangText("Вы действительно хотите прервать работу мастера?", "wizard", 32);
}

}  // namespace velgaro
