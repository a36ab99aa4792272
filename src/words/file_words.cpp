#include "words/messages.h"

namespace tarveno {

QString fileWords(FileText kind, const Message& message) {
  (void)kind;
  (void)message;
  return {};
}

}  // namespace tarveno
