#include "words/messages.h"

namespace tarveno {

QString chartWords(ChartText kind, const Message& message) {
  (void)kind;
  (void)message;
  return {};
}

}  // namespace tarveno
