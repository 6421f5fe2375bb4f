<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi_VN" sourcelanguage="zh_CN">
<context>
    <name>QRNLocalizedString</name>
    <message>
        <source>分</source>
        <translation>p</translation>
    </message>
    <message>
        <source>小时</source>
        <translation>h</translation>
    </message>
    <message>
        <source>百度</source>
        <translation>Baidu</translation>
    </message>
    <message>
        <source>知道了</source>
        <translation>Đã hiểu</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <source>系统错误</source>
        <translation>Lỗi hệ thống</translation>
    </message>
    <message>
        <source>自动检测</source>
        <translation>Tự động phát hiện</translation>
    </message>
    <message>
        <source>请检查网络</source>
        <translation>Vui lòng kiểm tra kết nối mạng</translation>
    </message>
    <message>
        <source>谷歌</source>
        <translation>Google</translation>
    </message>
    <message>
        <source>雅虎</source>
        <translation>Yahoo</translation>
    </message>
    <message>
        <source>鼠标设置</source>
        <translation>Cài đặt chuột</translation>
    </message>
    <message>
        <source>智能设置</source>
        <translation>Cài đặt thông minh</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>Cài đặt phần mềm</translation>
    </message>
    <message>
        <source>个性化设置</source>
        <translation>Cá nhân hóa</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Tùy chọn</translation>
    </message>
    <message>
        <source>智笔设置</source>
        <translation>Cài đặt bút thông minh</translation>
    </message>
    <message>
        <source>打开主界面</source>
        <translation>Mở cửa sổ chính</translation>
    </message>
    <message>
        <source>使用引导</source>
        <translation>Hướng dẫn sử dụng</translation>
    </message>
    <message>
        <source>权限设置</source>
        <translation>Quyền truy cập</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Thoát</translation>
    </message>
    <message>
        <source>未检测到设备</source>
        <translation>Không phát hiện thiết bị</translation>
    </message>
    <message>
        <source>请将接收器插入电脑的USB接口，或通过蓝牙连接鼠标</source>
        <translation>Cắm bộ thu vào cổng USB của máy tính hoặc kết nối chuột qua Bluetooth</translation>
    </message>
    <message>
        <source>设备连接后将自动打开设置界面</source>
        <translation>Cửa sổ cài đặt sẽ tự mở khi thiết bị được kết nối</translation>
    </message>
    <message>
        <source>电量低，请充电</source>
        <translation>Pin yếu, vui lòng sạc</translation>
    </message>
    <message>
        <source>界面语言</source>
        <translation>Ngôn ngữ giao diện</translation>
    </message>
    <message>
        <source>开机自启动</source>
        <translation>Khởi động khi đăng nhập</translation>
    </message>
    <message>
        <source>设置失败</source>
        <translation>Cài đặt thất bại</translation>
    </message>
    <message>
        <source>以下各项决定哪些功能可以使用</source>
        <translation>Các mục sau quyết định những tính năng nào có thể dùng</translation>
    </message>
    <message>
        <source>设备访问</source>
        <translation>Truy cập thiết bị</translation>
    </message>
    <message>
        <source>读写接收器的 HID 设备节点，用于连接设备、接收按键和语音</source>
        <translation>Đọc và ghi nút thiết bị HID của bộ thu để kết nối thiết bị, nhận phím bấm và giọng nói</translation>
    </message>
    <message>
        <source>安装随程序提供的 udev 规则，然后重新插入接收器：</source>
        <translation>Cài đặt quy tắc udev đi kèm chương trình, rồi cắm lại bộ thu:</translation>
    </message>
    <message>
        <source>辅助功能</source>
        <translation>Trợ năng</translation>
    </message>
    <message>
        <source>桌面辅助功能总线（AT-SPI），用于将识别的文字直接写入输入框</source>
        <translation>Bus trợ năng của màn hình nền (AT-SPI), để ghi văn bản nhận dạng trực tiếp vào ô nhập</translation>
    </message>
    <message>
        <source>请安装 at-spi2-core 并在系统设置中开启辅助功能，然后重新登录</source>
        <translation>Hãy cài at-spi2-core, bật trợ năng trong cài đặt hệ thống rồi đăng nhập lại</translation>
    </message>
    <message>
        <source>X11 会话</source>
        <translation>Phiên X11</translation>
    </message>
    <message>
        <source>全局快捷键、模拟按键、输入监听和截图需要 X11 会话</source>
        <translation>Phím tắt toàn cục, phím mô phỏng, theo dõi thao tác nhập và chụp màn hình cần phiên X11</translation>
    </message>
    <message>
        <source>请在登录界面选择 X11（Xorg）会话</source>
        <translation>Hãy chọn phiên X11 (Xorg) ở màn hình đăng nhập</translation>
    </message>
    <message>
        <source>受限</source>
        <translation>Bị hạn chế</translation>
    </message>
    <message>
        <source>Wayland 会话中，模拟按键、全局快捷键、输入监听和截图只对 XWayland 窗口有效，对原生 Wayland 窗口无效；如需全部功能，请在登录界面选择 X11（Xorg）会话</source>
        <translation>Trong phiên Wayland, phím mô phỏng, phím tắt toàn cục, theo dõi thao tác nhập và chụp màn hình chỉ hoạt động với cửa sổ XWayland, không hoạt động với cửa sổ Wayland gốc; để dùng mọi chức năng, hãy chọn phiên X11 (Xorg) ở màn hình đăng nhập</translation>
    </message>
    <message>
        <source>已授权</source>
        <translation>Đã cấp quyền</translation>
    </message>
    <message>
        <source>未授权</source>
        <translation>Chưa cấp quyền</translation>
    </message>
    <message>
        <source>未检测到接收器</source>
        <translation>Không tìm thấy bộ thu</translation>
    </message>
    <message>
        <source>检测中</source>
        <translation>Đang kiểm tra</translation>
    </message>
    <message>
        <source>复制命令</source>
        <translation>Sao chép lệnh</translation>
    </message>
    <message>
        <source>已复制</source>
        <translation>Đã sao chép</translation>
    </message>
    <message>
        <source>重新检测</source>
        <translation>Kiểm tra lại</translation>
    </message>
    <message>
        <source>辅助设置</source>
        <translation>Cài đặt phụ trợ</translation>
    </message>
    <message>
        <source>部分设置无法读取，已恢复为默认值</source>
        <translation>Không đọc được một số cài đặt, đã khôi phục về mặc định</translation>
    </message>
    <message>
        <source>原设置文件已另存为：</source>
        <translation>Tệp cài đặt gốc được lưu thành: </translation>
    </message>
    <message>
        <source>录音失败，请检查麦克风</source>
        <translation>Ghi âm thất bại, vui lòng kiểm tra micrô</translation>
    </message>
    <message>
        <source>点击太快了</source>
        <translation>Nhấn quá nhanh</translation>
    </message>
    <message>
        <source>请说话...</source>
        <translation>Vui lòng nói...</translation>
    </message>
    <message>
        <source>没有听到您说话，请按语音键重说</source>
        <translation>Không nghe thấy giọng nói. Hãy nhấn phím giọng nói và nói lại</translation>
    </message>
    <message>
        <source>切换到打字模式</source>
        <translation>Đã chuyển sang chế độ gõ</translation>
    </message>
    <message>
        <source>切换到翻译模式</source>
        <translation>Đã chuyển sang chế độ dịch</translation>
    </message>
    <message>
        <source>连接服务器失败,请检查网络</source>
        <translation>Không thể kết nối máy chủ, vui lòng kiểm tra mạng</translation>
    </message>
    <message>
        <source>读取音频文件失败</source>
        <translation>Không thể đọc tệp âm thanh</translation>
    </message>
    <message>
        <source>无法播放回答中的音频</source>
        <translation>Không thể phát âm thanh của câu trả lời</translation>
    </message>
    <message>
        <source>粘贴失败</source>
        <translation>Dán thất bại</translation>
    </message>
    <message>
        <source>翻译失败</source>
        <translation>Dịch thất bại</translation>
    </message>
    <message>
        <source>无法朗读：没有语音引擎或声音输出设备</source>
        <translation>Không thể đọc to: không có công cụ giọng nói hoặc thiết bị phát âm thanh</translation>
    </message>
    <message>
        <source>无法播放音频</source>
        <translation>Không thể phát âm thanh</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>Không thể mở trình duyệt</translation>
    </message>
    <message>
        <source>未获取到选中的文字</source>
        <translation>Không lấy được văn bản đã chọn</translation>
    </message>
    <message>
        <source>复制成功</source>
        <translation>Đã sao chép</translation>
    </message>
    <message>
        <source>复制失败</source>
        <translation>Sao chép thất bại</translation>
    </message>
    <message>
        <source>识别结果</source>
        <translation>Kết quả nhận dạng</translation>
    </message>
    <message>
        <source>划词翻译</source>
        <translation>Dịch văn bản đã chọn</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>Phím tắt</translation>
    </message>
    <message>
        <source>截图翻译</source>
        <translation>Dịch ảnh chụp màn hình</translation>
    </message>
    <message>
        <source>截图快捷键已被其他程序占用</source>
        <translation>Phím tắt chụp màn hình đang bị chương trình khác dùng</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Lưu thất bại</translation>
    </message>
    <message>
        <source>截图失败</source>
        <translation>Chụp màn hình thất bại</translation>
    </message>
    <message>
        <source>AI窗口无法打开</source>
        <translation>Không thể mở cửa sổ AI</translation>
    </message>
    <message>
        <source>设备未连接</source>
        <translation>Thiết bị chưa kết nối</translation>
    </message>
    <message>
        <source>打开失败</source>
        <translation>Không thể mở</translation>
    </message>
    <message>
        <source>已下载%1%</source>
        <translation>Đã tải %1%</translation>
    </message>
    <message>
        <source>下载完成</source>
        <translation>Tải xuống hoàn tất</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>Xuất hoàn tất</translation>
    </message>
    <message>
        <source>下载失败，error=%1</source>
        <translation>Tải xuống thất bại, error=%1</translation>
    </message>
    <message>
        <source>导出失败，error=%1</source>
        <translation>Xuất thất bại, error=%1</translation>
    </message>
    <message>
        <source>Esc 键已被其他程序占用，请切换模式结束画笔</source>
        <translation>Phím Esc đang bị chương trình khác dùng; hãy đổi chế độ để kết thúc bút</translation>
    </message>
    <message>
        <source>无法读取屏幕画面</source>
        <translation>Không thể đọc màn hình</translation>
    </message>
    <message>
        <source>硬激光</source>
        <translation>Laser vật lý</translation>
    </message>
    <message>
        <source>突出显示</source>
        <translation>Làm nổi bật</translation>
    </message>
    <message>
        <source>数码光点</source>
        <translation>Điểm sáng kỹ thuật số</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>Kính lúp</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>Bút vẽ</translation>
    </message>
    <message>
        <source>切换到投屏模式</source>
        <translation>Đã chuyển sang chế độ trình chiếu</translation>
    </message>
</context>
</TS>
