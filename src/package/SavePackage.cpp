// The saving flow after a recording and the retrying save of a package file.
#include "package/SavePackage.h"

namespace velgaro {
namespace {

const char kSection[] = "MdlFile";
const char kNewLine[] = "\r\n";

std::string Text(const Language& language, int key, const char* russian) {
  return language.LangText(russian, kSection, key);
}

std::string Question(const Language& language, int key, const char* russian) {
  return language.LangTextAffix(russian, kSection, key, false, "?");
}

bool EndsWithUpperVgp(const std::string& name) {
  return name.size() >= 4 && name.compare(name.size() - 4, 4, ".VGP") == 0;
}

// The write failed: true when the user wants to choose another place.
bool AskSaveElsewhere(const SavePackageContext& ctx, WindowHandle owner, const std::string& path) {
  const Language& lang = ctx.language;
  const std::string text = Text(lang, 1, "Файл не сохранён.") + kNewLine +
                           Text(lang, 2, "Невозможно внести изменения в файл") + kNewLine + "'" + path + "'." +
                           kNewLine + Question(lang, 3, "Желаете сохранить файл в другом месте?");
  return ctx.dialogs.MessageBox(owner, text, Text(lang, 4, "Ошибка при сохранении"), kMbQuestionStyle) == kIdYes;
}

std::optional<std::string> ChooseSavePath(const SavePackageContext& ctx, WindowHandle owner) {
  SaveFileRequest request;
  request.filter = Text(ctx.language, 5, "Сценарий установки программ") + " (*.VGP)|*.VGP|";
  request.title = Text(ctx.language, 6, "Сохранить");
  request.startFolder = ctx.packageFolder;
  request.flags = 0x2006;  // OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_CREATEPROMPT
  std::optional<std::string> name = ctx.dialogs.SaveFile(owner, request);
  if (!name) return std::nullopt;
  if (!name->empty() && name->back() == '\0') name->pop_back();
  if (name->empty()) return std::nullopt;
  // The extension test is deliberately case-sensitive: "b.vgp" becomes "b.vgp.VGP".
  if (!EndsWithUpperVgp(*name)) *name += ".VGP";
  return name;
}

bool ReallyDiscard(const SavePackageContext& ctx, WindowHandle owner) {
  const std::string text = Question(ctx.language, 7, "Вы действительно не желаете сохранить файл?");
  const std::string title = Question(ctx.language, 8, "Не сохранять?");
  return ctx.dialogs.MessageBox(owner, text, title, kMbQuestionStyle) == kIdYes;
}

}  // namespace

bool SavePackageAs(const SavePackageContext& ctx, WindowHandle owner, std::string& path) {
  for (;;) {
    if (ctx.package.WritePackageFile(ctx.fs, path)) return true;
    if (!AskSaveElsewhere(ctx, owner, path)) return false;
    if (std::optional<std::string> chosen = ChooseSavePath(ctx, owner)) {
      path = *chosen;
    } else if (ReallyDiscard(ctx, owner)) {
      return false;
    }
    // Cancelling the dialog and then declining to discard tries the same path again.
  }
}

bool AskNeedWait(const Language& language, Dialogs& dialogs, WindowHandle owner) {
  const std::string text =
      Text(language, 9,
           "Вы не совершили ни одного действия, которое Velgaro Replaysetup мог запомнить. Желаете установить "
           "флаг `Ожидать завершения процесса` для сохранения пакета?") +
      kNewLine + kNewLine + Text(language, 10, "Да - установить флаг и сохранить.") + kNewLine +
      Text(language, 11, "Нет - не сохранять пакет.");
  return dialogs.MessageBox(owner, text, Text(language, 12, "Сохранение пакета"), kMbQuestionStyle) == kIdYes;
}

bool SaveRecording(SaveRecordingContext& ctx) {
  if (ctx.setStatusText) ctx.setStatusText(ctx.language.LangText("Сохранение пакета...", "Stels", 25));
  ctx.installerPath = ctx.paths.CollapsePathVariables(ctx.installerPath);

  PackageImage& pkg = ctx.package;
  bool written = false;
  const bool appended =
      pkg.AppendExePath(ctx.installerPath, [&ctx] { return AskNeedWait(ctx.language, ctx.dialogs, ctx.owner); });
  if (appended) {
    pkg.AppendCommandLine(ctx.commandLine);
    pkg.AppendCreationDate(ctx.now);
    pkg.WriteOptions();
    std::string path = AddBackslash(ctx.packageFolder) + ctx.packageName + ".VGP";
    written = SavePackageAs(SavePackageContext{pkg, ctx.language, ctx.dialogs, ctx.fs, ctx.packageFolder},
                            ctx.owner, path);
  }
  if (!ctx.unattendedInstall && ctx.showMainWindowAndRefresh) ctx.showMainWindowAndRefresh();
  if (ctx.unloadControlWindow) ctx.unloadControlWindow();
  return written;
}

}  // namespace velgaro
