// The program's icon, drawn at any square size.
#pragma once

#include "image.h"

Image iconpicture(int size);
