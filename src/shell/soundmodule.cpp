// The sound module Brenvale loads at run time: its cue player on Qt Multimedia.
#include "common/qtcueplayer.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT suite::PreloadingCuePlayer* brenvale_new_cue_player()
{
    return new suite::QtCuePlayer;
}
