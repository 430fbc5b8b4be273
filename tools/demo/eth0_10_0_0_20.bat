netsh interface ip set address "eth0" static 10.0.0.20 255.0.0.0
