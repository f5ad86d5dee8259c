#include "tests/Marrowmere/InhabitantsAnimator/AnimatedBoard.h"
