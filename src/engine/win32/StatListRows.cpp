#include "engine/win32/StatListRows.h"

namespace velgaro::stat {

StatWindowTexts LoadStatWindowTexts(const Language& language) {
  StatWindowTexts t;
  t.caption = language.LangText("Статистика", kSection, 1);
  t.close = language.LangText("Закрыть", kSection, 2);
  const char* headers[] = {"Пакет", "Результат", "Время", "Начато", "Закончено", "Подробности"};
  t.columns[0] = "№";
  for (int i = 0; i < 6; ++i) t.columns[i + 1] = language.LangText(headers[i], kSection, 5 + i);
  return t;
}

std::string StatusText(std::uint8_t status, const Language& language) {
  switch (status) {
    case kInstalled: return language.LangText("Установлен", kSection, 11);
    case kNotInstalled: return language.LangText("Не установлен", kSection, 12);
    case kInterrupted: return language.LangText("Прерван", kSection, 13);
    default: return {};
  }
}

std::vector<ListLine> BuildListLines(const std::vector<InstallStat>& rows, const std::string& totalDuration,
                                     const Language& language,
                                     const std::function<std::string(const LocalTime&)>& timeOfDay) {
  std::vector<ListLine> lines;
  if (rows.empty()) return lines;
  int number = 0;
  for (const InstallStat& row : rows) {
    lines.push_back(ListLine{std::to_string(++number), row.packageName, StatusText(row.status, language),
                             row.duration, timeOfDay(row.started), timeOfDay(row.finished), row.details});
  }
  lines.push_back(ListLine{});
  ListLine total{};
  total[1] = language.LangText("Общее время установки", kSection, 3);
  total[3] = totalDuration;
  lines.push_back(total);
  return lines;
}

std::string CountdownText(const Language& language, int secondsLeft) {
  const std::string n = std::to_string(secondsLeft);
  return language.LangTextParam("Автоматическое завершение программы через " + n + " сек", kSection, 4, n);
}

}  // namespace velgaro::stat
