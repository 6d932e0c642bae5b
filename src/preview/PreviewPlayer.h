#pragma once
// Plays the selected task's input in the preview pane.

class PreviewPlayer {
public:
    virtual ~PreviewPlayer() = default;
};
