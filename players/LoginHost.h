#pragma once
// What the login window tells the window that owns the player record it
// fills (the solitaire table): the record has changed.
class LoginHost {
public:
    virtual ~LoginHost() = default;
    // The record was filled by a login or a registration, or emptied because
    // its player was deleted; the owner shows the player it now has.
    virtual void PlayerChanged() = 0;
};
