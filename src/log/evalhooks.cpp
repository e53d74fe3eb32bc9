#include "log/evalhooks.h"

namespace evalhooks {

THooks& Hooks() {
  static THooks hooks;
  return hooks;
}

}  // namespace evalhooks
