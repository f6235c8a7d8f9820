// The pictures of the message boxes: the question of a prompt, the exclamation mark of a warning.
#pragma once

#include <QIcon>

inline constexpr int PromptIconSize = 32;

// 32 pixels square at scale 1, where they are the toolkit's own pictures made for that size; drawn for the
// device pixels of any other size. Need the application object.
QIcon QuestionIcon();
QIcon ExclamationIcon();
