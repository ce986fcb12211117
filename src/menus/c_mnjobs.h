// The Job Centre.
#pragma once
