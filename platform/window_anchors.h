/* How a control of a resizable window follows the window's size: the help id of the
   control in the window's dialog template, a sum of these. Plain macros, so that the
   resource compiler reads them too. */
#pragma once

#define KALV_GROW_RIGHT 1 /* its right edge follows the window's */
#define KALV_GROW_DOWN 2  /* its bottom edge follows the window's */
#define KALV_MOVE_RIGHT 4 /* it moves with the window's right edge */
#define KALV_MOVE_DOWN 8  /* it moves with the window's bottom edge */
