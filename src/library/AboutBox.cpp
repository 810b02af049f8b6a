#include "library/AboutBox.h"

#include "app/ProductName.h"
#include "app/ProgramVersion.h"

namespace velgaro {

AboutView MakeAboutView(const Language& lang) {
  const auto about = [&](const char* text, int key) { return lang.LangText(text, "About", key); };
  const auto autor = [&](const char* text, int key) { return lang.LangText(text, "Autor", key); };
  AboutView v;
  v.caption = about("О программе", 1);
  v.product = kProductName;
  v.version = lang.LangTextAffix("Версия ", "About", 5, false, " ") + std::to_string(kVersionMajor) + "." +
              std::to_string(kVersionMinor) + "." + std::to_string(kVersionRevision);
  v.purpose = about("Установка программ без участия пользователя: повторение записанных действий в программах установки.", 2);
  v.siteLabel = about("Сайт:", 3);
  v.site = kVendorSite;
  v.mailLabel = about("Электронная почта:", 4);
  v.mail = kAuthorMail;
  v.close = about("Закрыть", 6);
  v.authorLabel = autor("Автор:", 1);
  v.author = autor("Команда Velgaro", 2);
  v.rights = autor("Все права защищены.", 3);
  return v;
}

}  // namespace velgaro
