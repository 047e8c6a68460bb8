"""The colours of the classic desktop that every picture draws with."""

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
FACE = (192, 192, 192)
LIGHT_GREY = (223, 223, 223)
DARK_GREY = (128, 128, 128)
NAVY = (0, 0, 128)
TEAL = (0, 128, 128)
CYAN = (0, 192, 192)
RED = (255, 0, 0)
DARK_RED = (128, 0, 0)
GREEN = (0, 160, 0)
LIGHT_GREEN = (96, 224, 96)
