#ifndef ZUM_ENGINE_MESSAGE_ICON_H_
#define ZUM_ENGINE_MESSAGE_ICON_H_

namespace zum {

// The icon of a message that the window shows in a message box: the page
// checks' and the console runner's messages carry one. Header only, so the
// runner can use it without linking the engine.
enum class MessageIcon {
  kNone,
  kCritical,  // critical error
};

}  // namespace zum

#endif  // ZUM_ENGINE_MESSAGE_ICON_H_
