// Friendly Setup and Player History.
#pragma once
