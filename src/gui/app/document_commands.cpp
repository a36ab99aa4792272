#include "gui/app/document_commands.h"

#include "core/chart/open.h"
#include "gui/app/app_context.h"
#include "gui/app/prompts.h"

namespace tarveno {

// Placeholder until the document commands land; the command-line path already works.
DocumentCommands::DocumentCommands(AppContext& context, DocumentHost& host) : context_(context), host_(host) {}

void DocumentCommands::newChart() {}
void DocumentCommands::open() {}
void DocumentCommands::save() {}
void DocumentCommands::dropFiles(const QStringList&) {}
bool DocumentCommands::closeQuery() { return true; }
bool DocumentCommands::confirmDiscard() { return true; }

void DocumentCommands::openCommandLine(const QString& path) {
  const std::string name = path.toStdString();
  auto kind = chartFileKindFromName(name);
  if (!kind) {
    context_.prompts.message(host_.dialogParent(), QStringLiteral("Error"), QString::fromUtf8(kUnsupportedFormatText),
                             Prompts::Buttons::Ok, Prompts::Icon::None);
  } else {
    auto opened = openChartFile(name, *kind, context_.document, context_.catalogue);
    if (!opened) {
      context_.prompts.message(host_.dialogParent(), QStringLiteral("Error"),
                               QString::fromStdString(opened.error().message), Prompts::Buttons::Ok,
                               Prompts::Icon::Exclamation);
    } else {
      for (const Notice& n : *opened) {
        context_.prompts.message(host_.dialogParent(), QString::fromStdString(n.title),
                                 QString::fromStdString(n.text), Prompts::Buttons::Ok, Prompts::Icon::None);
      }
    }
  }
  host_.finishOpening();
}

}  // namespace tarveno
