// The spider branches of the model and mix commands: the model list, then the windows.
#include "lavix/app/SpiderModelCommands.h"

#include <string>
#include <vector>

#include "lavix/app/InverseModelCommands.h"
#include "lavix/app/Redraw.h"
#include "lavix/app/Session.h"
#include "lavix/app/SpiderMixForm.h"
#include "lavix/app/SpiderModelForm.h"
#include "lavix/models/Messages.h"

namespace lavix::app {

namespace msg = models::messages;

namespace {

// The choices of "Select Model", in the order the user sees them.
const std::vector<std::string> modelChoices = {"batch melt",    "fractional melt", "agg fract melt", "continuous melt",
                                               "ray fract xtal", "equi xtal",      "in situ xtal",   "ZuZaDu",
                                               "AFC",            msg::quitChoice};

// The mode the model runs in; empty when the user quits.
std::string chooseMode(Session& s, const std::string& model) {
  if (model == "ray fract xtal" || model == "continuous melt" || model == "equi xtal" || model == "AFC")
    return msg::modal;
  if (model == msg::inverseModelName) return msg::nonModal;
  const int choice =
      s.exchange.askButton(s.prompts, msg::modalTitle, {msg::nonModal, msg::modal, msg::quitChoice}, "");
  if (choice == 1) return msg::nonModal;
  if (choice == 2) return msg::modal;
  return {};
}

}  // namespace

void spiderModel(Session& s) {
  const int choice = s.exchange.askButton(s.prompts, msg::selectModel, modelChoices, "");
  if (choice < 1 || choice >= static_cast<int>(modelChoices.size())) return;
  const std::string& name = modelChoices[static_cast<std::size_t>(choice - 1)];
  s.spiderModels.modelName = name;
  const std::string mode = chooseMode(s, name);
  if (mode.empty()) return;
  s.spiderModels.modelMode = mode;
  if (name == msg::inverseModelName) {
    inverseModel(s);
    return;
  }
  {
    SpiderModelForm window(s);
    s.prompts.runModal(window);
  }
  redrawDiagram(s);
}

void spiderMix(Session& s) {
  {
    SpiderMixForm window(s);
    s.prompts.runModal(window);
  }
  redrawDiagram(s);
}

}  // namespace lavix::app
