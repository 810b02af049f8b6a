#include "engine/PlayerTexts.h"

namespace velgaro {

std::string StelsDefault(StelsKey key) {
  switch (key) {
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
  }
  return std::string();
}

}  // namespace velgaro
