// The Arrange Friendly screen.
#pragma once
