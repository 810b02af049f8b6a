#include "engine/PlayerTexts.h"

namespace velgaro {

std::string StelsDefault(StelsKey key) {
  switch (key) {
    case kTextAutoReplace: return "Автозамена";
    case kTextFilter: return "Фильтр";
    case kTextRecording: return "Запись";
    case kTextContinueChanged: return "Для продолжения с изменённым текстом нажмите `Продолжить запись`";
    case kTextNotTextField: return "Последнее окно не распознано как текстовое";
    case kTextClearFilter: return "Для внесения изменений уберите галочку `Фильтр`";
    case kTextFieldNotRecognised: return "Выбранное окно не распознано текстовым полем";
    case kTextContinueWithChanges: return "Продолжить запись с учётом внесённых изменений";
    case kTextContinueUnchanged: return "Продолжить без внесения изменений";
    case kTextSaving: return "Сохранение пакета...";
    case kTextChangesMade: return "Внесены изменения";
    case kTextNextInstall: return "Запуск следующей инсталяции";
    case kTextPause: return "Пауза";
    case kTextReadingFile: return "Чтение файла";
    case kTextActYourself: return "Теперь можете делать свои действия";
    case kTextWaitingInstall: return "Выполняется ожидание установки";
    case kTextWindowCovered: return "Нужное окно закрыто другим приложением";
    case kTextSearchingWindow: return "Поиск окна";
    case kTextInterrupted: return "Инсталляция прервана пользователем";
    case kTextStopPressed: return "Нажата кнопка Стоп";
    case kTextDone: return "Выполнено без замечаний";
    case kTextPackageMissing: return "Отсутстует vgp-файл - ";
    case kTextNewerVersion: return "vgp-файл создан более новой версией программы";
    case kTextCannotStart: return "Невозможно запустить исполняемый файл";
    case kTextInstallerMissing: return "Не найден исполняемый файл";
    case kTextWaitingProgram: return "Ожидание завершения программы";
    case kTextPackageDamaged: return "Повреждённый vgp-файл - ";
    case kTextWindowTimeout: return "Истекло время поиска окна, с: ";
    case kTextInstallerTimeout: return "Истекло время ожидания установщика, с: ";
    case kTextWindowSought: return "Искомое окно: ";
    case kTextVisibleWindows: return "Видимые окна: ";
    case kTextPackageUnreadable: return "Не удаётся прочитать vgp-файл - ";
    case kTextCaptionsTaken: return "Окна найдены по заголовкам, отличающимся только числами: ";
    case kTextTakenFor: return "принят за";
  }
  return std::string();
}

}  // namespace velgaro
