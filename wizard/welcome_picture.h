#ifndef ZUM_WIZARD_WELCOME_PICTURE_H_
#define ZUM_WIZARD_WELCOME_PICTURE_H_

#include <QPixmap>

namespace zum {

// The welcome page's picture: a scenery gate with its barrier half raised
// under an evening sky, drawn at WIDTH x HEIGHT pixels.
QPixmap DrawWelcomePicture(int width, int height);

}  // namespace zum

#endif  // ZUM_WIZARD_WELCOME_PICTURE_H_
