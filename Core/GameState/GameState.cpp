#include "Core/GameState/GameState.h"

GameState::StateType GameState::state = GameState::idle;
