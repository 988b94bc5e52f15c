#include "ApplicationIcon.h"

#include "BallPicture.h"

#include <QPixmap>

namespace forms {

QIcon applicationIcon()
{
    QIcon icon;
    for (int side : {16, 32, 48, 64})
        icon.addPixmap(QPixmap::fromImage(ballImage(side)));
    return icon;
}

}  // namespace forms
