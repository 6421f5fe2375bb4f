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
        <source>Esc 键已被其他程序占用，请点击效果后按 Esc 退出</source>
        <translation>Phím Esc đang được chương trình khác sử dụng; nhấp vào hiệu ứng rồi nhấn Esc để thoát</translation>
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
    <message>
        <source>倒计时和警告</source>
        <translation>Đếm ngược và cảnh báo</translation>
    </message>
    <message>
        <source>15分钟</source>
        <translation>15 phút</translation>
    </message>
    <message>
        <source>30分钟</source>
        <translation>30 phút</translation>
    </message>
    <message>
        <source>60分钟</source>
        <translation>60 phút</translation>
    </message>
    <message>
        <source>自定义倒计时长</source>
        <translation>Thời lượng tùy chỉnh (phút)</translation>
    </message>
    <message>
        <source>语音键功能</source>
        <translation>Chức năng phím giọng nói</translation>
    </message>
    <message>
        <source>麦克风</source>
        <translation>Micrô</translation>
    </message>
    <message>
        <source>语音打字</source>
        <translation>Nhập bằng giọng nói</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Dịch bằng giọng nói</translation>
    </message>
    <message>
        <source>语音搜索</source>
        <translation>Tìm kiếm bằng giọng nói</translation>
    </message>
    <message>
        <source>切换到麦克风模式</source>
        <translation>Đã chuyển sang chế độ micrô</translation>
    </message>
    <message>
        <source>切换到搜索模式</source>
        <translation>Đã chuyển sang chế độ tìm kiếm</translation>
    </message>
    <message>
        <source>输入设置</source>
        <translation>Cài đặt nhập liệu</translation>
    </message>
    <message>
        <source>识别带标点</source>
        <translation>Nhận dạng kèm dấu câu</translation>
    </message>
    <message>
        <source>打字兼容模式</source>
        <translation>Chế độ gõ tương thích</translation>
    </message>
    <message>
        <source>长语音识别</source>
        <translation>Nhận dạng giọng nói dài</translation>
    </message>
    <message>
        <source>输入语种</source>
        <translation>Ngôn ngữ nhập</translation>
    </message>
    <message>
        <source>语音打字快捷键</source>
        <translation>Phím tắt gõ bằng giọng nói</translation>
    </message>
    <message>
        <source>语音翻译快捷键</source>
        <translation>Phím tắt dịch bằng giọng nói</translation>
    </message>
    <message>
        <source>语音搜索快捷键</source>
        <translation>Phím tắt tìm kiếm bằng giọng nói</translation>
    </message>
    <message>
        <source>翻译设置</source>
        <translation>Cài đặt dịch</translation>
    </message>
    <message>
        <source>翻译语种</source>
        <translation>Ngôn ngữ dịch</translation>
    </message>
    <message>
        <source>语音搜索引擎</source>
        <translation>Công cụ tìm kiếm bằng giọng nói</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Quay lại</translation>
    </message>
    <message>
        <source>手机号/邮箱</source>
        <translation>Số điện thoại/email</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Mật khẩu</translation>
    </message>
    <message>
        <source>信息不能为空</source>
        <translation>Thông tin không được để trống</translation>
    </message>
    <message>
        <source>请填写手机号/邮箱</source>
        <translation>Vui lòng nhập số điện thoại hoặc email</translation>
    </message>
    <message>
        <source>请填写密码</source>
        <translation>Vui lòng nhập mật khẩu</translation>
    </message>
    <message>
        <source>记住密码</source>
        <translation>Ghi nhớ mật khẩu</translation>
    </message>
    <message>
        <source>忘记密码</source>
        <translation>Quên mật khẩu</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Đăng nhập</translation>
    </message>
    <message>
        <source>注册</source>
        <translation>Đăng ký</translation>
    </message>
    <message>
        <source>登录成功</source>
        <translation>Đã đăng nhập</translation>
    </message>
    <message>
        <source>登录失败</source>
        <translation>Đăng nhập thất bại</translation>
    </message>
    <message>
        <source>验证码</source>
        <translation>Mã xác minh</translation>
    </message>
    <message>
        <source>再次输入密码</source>
        <translation>Nhập lại mật khẩu</translation>
    </message>
    <message>
        <source>我已阅读并同意&lt;&lt;Corvane隐私政策&gt;&gt;及&lt;&lt;Corvane用户服务协议&gt;&gt;</source>
        <translation>Tôi đã đọc và đồng ý với &lt;&lt;Chính sách quyền riêng tư của Corvane&gt;&gt; và &lt;&lt;Thỏa thuận dịch vụ người dùng Corvane&gt;&gt;</translation>
    </message>
    <message>
        <source>请先阅读并同意&lt;&lt;Corvane隐私政策&gt;&gt;及&lt;&lt;Corvane用户服务协议&gt;&gt;</source>
        <translation>Vui lòng đọc và đồng ý với &lt;&lt;Chính sách quyền riêng tư của Corvane&gt;&gt; và &lt;&lt;Thỏa thuận dịch vụ người dùng Corvane&gt;&gt; trước</translation>
    </message>
    <message>
        <source>请填写验证码</source>
        <translation>Vui lòng nhập mã xác minh</translation>
    </message>
    <message>
        <source>请填写确认密码</source>
        <translation>Vui lòng xác nhận mật khẩu</translation>
    </message>
    <message>
        <source>两次输入密码不一致</source>
        <translation>Hai mật khẩu không khớp</translation>
    </message>
    <message>
        <source>获取验证码失败</source>
        <translation>Không lấy được mã xác minh</translation>
    </message>
    <message>
        <source>注册失败</source>
        <translation>Đăng ký thất bại</translation>
    </message>
    <message>
        <source>找回秘密</source>
        <translation>Đặt lại mật khẩu</translation>
    </message>
    <message>
        <source>修改密码成功</source>
        <translation>Đã đổi mật khẩu</translation>
    </message>
    <message>
        <source>修改密码失败</source>
        <translation>Không đổi được mật khẩu</translation>
    </message>
    <message>
        <source>发送验证码</source>
        <translation>Gửi mã</translation>
    </message>
    <message>
        <source>s后重新获取</source>
        <translation>s để gửi lại</translation>
    </message>
    <message>
        <source>请先登录</source>
        <translation>Vui lòng đăng nhập</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Vị trí</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Gửi</translation>
    </message>
    <message>
        <source>请输入内容</source>
        <translation>Nhập câu hỏi của bạn</translation>
    </message>
    <message>
        <source>正在生成中。。。</source>
        <translation>Đang tạo…</translation>
    </message>
    <message>
        <source>充值</source>
        <translation>Nạp tiền</translation>
    </message>
    <message>
        <source>到期时间</source>
        <translation>Hết hạn</translation>
    </message>
    <message>
        <source>获取用户信息失败</source>
        <translation>Không lấy được thông tin người dùng</translation>
    </message>
    <message>
        <source>指令词</source>
        <translation>Từ lệnh</translation>
    </message>
    <message>
        <source>热词</source>
        <translation>Từ khóa</translation>
    </message>
    <message>
        <source>添加指令</source>
        <translation>Thêm lệnh</translation>
    </message>
    <message>
        <source>确定要删除语音指令‘%1’？</source>
        <translation>Xóa lệnh giọng nói "%1"?</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>删除后该语音指令将失效！</source>
        <translation>Sau khi xóa, lệnh giọng nói sẽ không còn hoạt động!</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Xóa thất bại</translation>
    </message>
    <message>
        <source>点击此处添加热词,每行一个</source>
        <translation>Nhấp vào đây để thêm từ khóa, mỗi dòng một từ</translation>
    </message>
    <message>
        <source>创建</source>
        <translation>Tạo</translation>
    </message>
    <message>
        <source>创建失败</source>
        <translation>Tạo thất bại</translation>
    </message>
    <message>
        <source>添加个性化指令</source>
        <translation>Thêm lệnh tùy chỉnh</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Loại</translation>
    </message>
    <message>
        <source>执行路径</source>
        <translation>Đích</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Lưu</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Tệp</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>Thư mục</translation>
    </message>
    <message>
        <source>网页</source>
        <translation>Trang web</translation>
    </message>
    <message>
        <source>固定文本</source>
        <translation>Văn bản cố định</translation>
    </message>
    <message>
        <source>请填写完整后再创建</source>
        <translation>Vui lòng điền đầy đủ trước khi tạo</translation>
    </message>
    <message>
        <source>指令词已存在</source>
        <translation>Từ lệnh đã tồn tại</translation>
    </message>
    <message>
        <source>文件或文件夹不存在</source>
        <translation>Không tìm thấy tệp hoặc thư mục</translation>
    </message>
    <message>
        <source>请重新填写完整后再创建</source>
        <translation>Vui lòng điền lại đầy đủ trước khi tạo</translation>
    </message>
    <message>
        <source>编辑失败</source>
        <translation>Chỉnh sửa thất bại</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Mở</translation>
    </message>
    <message>
        <source>请输入音频路径…</source>
        <translation>Nhập đường dẫn tệp âm thanh…</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Duyệt</translation>
    </message>
    <message>
        <source>默认存储路径为</source>
        <translation>Vị trí lưu mặc định: </translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Tài liệu</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Lưu thành</translation>
    </message>
    <message>
        <source>开始转写</source>
        <translation>Bắt đầu chuyển văn bản</translation>
    </message>
    <message>
        <source>正在转写,请稍后...</source>
        <translation>Đang chuyển văn bản, vui lòng đợi...</translation>
    </message>
    <message>
        <source>模式选择</source>
        <translation>Chế độ</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Tắt</translation>
    </message>
    <message>
        <source>常亮</source>
        <translation>Sáng liên tục</translation>
    </message>
    <message>
        <source>呼吸</source>
        <translation>Nhịp thở</translation>
    </message>
    <message>
        <source>跑马灯</source>
        <translation>Chạy đèn</translation>
    </message>
    <message>
        <source>速度等级</source>
        <translation>Tốc độ</translation>
    </message>
    <message>
        <source>亮度调节</source>
        <translation>Độ sáng</translation>
    </message>
    <message>
        <source>颜色选择</source>
        <translation>Màu sắc</translation>
    </message>
    <message>
        <source>低</source>
        <translation>Thấp</translation>
    </message>
    <message>
        <source>高</source>
        <translation>Cao</translation>
    </message>
    <message>
        <source>暗</source>
        <translation>Tối</translation>
    </message>
    <message>
        <source>亮</source>
        <translation>Sáng</translation>
    </message>
    <message>
        <source>使用习惯</source>
        <translation>Tay dùng</translation>
    </message>
    <message>
        <source>左手</source>
        <translation>Tay trái</translation>
    </message>
    <message>
        <source>右手</source>
        <translation>Tay phải</translation>
    </message>
    <message>
        <source>低电提醒设置</source>
        <translation>Nhắc pin yếu</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>我的设备</source>
        <translation>Thiết bị của tôi</translation>
    </message>
    <message>
        <source>自动删除录音</source>
        <translation>Tự động xóa bản ghi âm</translation>
    </message>
    <message>
        <source>录音过程中指示灯熄灭</source>
        <translation>Tắt đèn báo khi ghi âm</translation>
    </message>
    <message>
        <source>电量:</source>
        <translation>Pin:</translation>
    </message>
    <message>
        <source>固件版本:</source>
        <translation>Phần sụn:</translation>
    </message>
    <message>
        <source>版本</source>
        <translation>Phiên bản </translation>
    </message>
    <message>
        <source>设备序列号:</source>
        <translation>Số sê-ri:</translation>
    </message>
    <message>
        <source>关于AI鼠标</source>
        <translation>Giới thiệu chuột AI</translation>
    </message>
    <message>
        <source>软件版本：</source>
        <translation>Phiên bản phần mềm:</translation>
    </message>
    <message>
        <source>固件版本：</source>
        <translation>Phiên bản firmware:</translation>
    </message>
    <message>
        <source>版本说明</source>
        <translation>Ghi chú phiên bản </translation>
    </message>
    <message>
        <source>语音打字，语音翻译，语音搜索，语音控制
划词翻译，截图识别，截图翻译，按键宏定义</source>
        <translation>Gõ bằng giọng nói, dịch giọng nói, tìm kiếm bằng giọng nói, điều khiển bằng giọng nói
Dịch từ, nhận dạng ảnh chụp màn hình, dịch ảnh chụp màn hình, macro phím</translation>
    </message>
    <message>
        <source>升级设备固件</source>
        <translation>Cập nhật thiết bị</translation>
    </message>
    <message>
        <source>升级接收器固件</source>
        <translation>Cập nhật đầu thu</translation>
    </message>
    <message>
        <source>取消升级</source>
        <translation>Hủy cập nhật</translation>
    </message>
    <message>
        <source>升级后如果连接不上请重新配对</source>
        <translation>Nếu thiết bị không kết nối sau khi cập nhật, hãy ghép nối lại</translation>
    </message>
    <message>
        <source>当前是最新版本</source>
        <translation>Bạn đang dùng phiên bản mới nhất</translation>
    </message>
    <message>
        <source>升级失败</source>
        <translation>Cập nhật thất bại</translation>
    </message>
    <message>
        <source>升级取消</source>
        <translation>Đã hủy cập nhật</translation>
    </message>
    <message>
        <source>固件升级中，退出将中断升级。</source>
        <translation>Đang cập nhật firmware. Thoát sẽ dừng cập nhật.</translation>
    </message>
    <message>
        <source>继续升级</source>
        <translation>Tiếp tục cập nhật</translation>
    </message>
    <message>
        <source>取消升级并退出</source>
        <translation>Hủy cập nhật và thoát</translation>
    </message>
    <message>
        <source>鼠标</source>
        <translation>Chuột</translation>
    </message>
    <message>
        <source>电脑</source>
        <translation>Máy tính</translation>
    </message>
    <message>
        <source>公网</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>一键检测</source>
        <translation>Kiểm tra ngay</translation>
    </message>
    <message>
        <source>重置驱动</source>
        <translation>Đặt lại trình điều khiển</translation>
    </message>
    <message>
        <source>当前设备和环境一切正常,请放心使用,如有问题请联系客服</source>
        <translation>Thiết bị và môi trường của bạn hoạt động bình thường. Nếu có vấn đề, hãy liên hệ bộ phận chăm sóc khách hàng</translation>
    </message>
    <message>
        <source>当前设备和环境异常,如有问题请联系客服</source>
        <translation>Thiết bị hoặc môi trường của bạn có vấn đề. Nếu có vấn đề, hãy liên hệ bộ phận chăm sóc khách hàng</translation>
    </message>
    <message>
        <source>转写音频</source>
        <translation>Chuyển âm thanh thành văn bản</translation>
    </message>
    <message>
        <source>转写记录</source>
        <translation>Lịch sử chuyển văn bản</translation>
    </message>
    <message>
        <source>个人词库</source>
        <translation>Từ điển cá nhân</translation>
    </message>
    <message>
        <source>充值记录</source>
        <translation>Lịch sử nạp tiền</translation>
    </message>
    <message>
        <source>昵称</source>
        <translation>Biệt danh</translation>
    </message>
    <message>
        <source>修改密码</source>
        <translation>Đổi mật khẩu</translation>
    </message>
    <message>
        <source>可用时长(分钟):</source>
        <translation>Số phút còn lại:</translation>
    </message>
    <message>
        <source>请输入原始密码</source>
        <translation>Nhập mật khẩu hiện tại</translation>
    </message>
    <message>
        <source>请输入新密码</source>
        <translation>Nhập mật khẩu mới</translation>
    </message>
    <message>
        <source>请再次输入新密码</source>
        <translation>Nhập lại mật khẩu mới</translation>
    </message>
    <message>
        <source>验证码登录</source>
        <translation>Đăng nhập bằng mã</translation>
    </message>
    <message>
        <source>密码登录</source>
        <translation>Đăng nhập bằng mật khẩu</translation>
    </message>
    <message>
        <source>手机号</source>
        <translation>Số điện thoại</translation>
    </message>
    <message>
        <source>请输入手机号</source>
        <translation>Nhập số điện thoại</translation>
    </message>
    <message>
        <source>获取验证码</source>
        <translation>Lấy mã</translation>
    </message>
    <message>
        <source>请输入验证码</source>
        <translation>Nhập mã xác minh</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Nhập mật khẩu</translation>
    </message>
    <message>
        <source>扫一扫</source>
        <translation>Quét</translation>
    </message>
    <message>
        <source>立即登录</source>
        <translation>để đăng nhập</translation>
    </message>
    <message>
        <source>进入AI智能创作</source>
        <translation>Vào sáng tạo AI</translation>
    </message>
    <message>
        <source>重置按键功能</source>
        <translation>Đặt lại chức năng phím</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>设置无法保存，更改将在下次启动时丢失</source>
        <translation>Không thể lưu cài đặt; các thay đổi sẽ bị mất ở lần khởi động tiếp theo</translation>
    </message>
    <message>
        <source>无法写入：</source>
        <translation>Không thể ghi: </translation>
    </message>
    <message>
        <source>语音指令数据库被其他程序占用，指令稍后保存</source>
        <translation>Một chương trình khác đang dùng cơ sở dữ liệu lệnh thoại; lệnh sẽ được lưu sau</translation>
    </message>
    <message>
        <source>语音指令数据库已损坏，已重新创建</source>
        <translation>Cơ sở dữ liệu lệnh thoại bị hỏng và đã được tạo lại</translation>
    </message>
    <message>
        <source>原文件已另存为：</source>
        <translation>Tệp cũ được giữ lại tại: </translation>
    </message>
    <message>
        <source>正在识别…</source>
        <translation>Đang nhận dạng…</translation>
    </message>
    <message>
        <source>找不到可用的主文件夹，设置和记录都不会保存</source>
        <translation>Không có thư mục chính dùng được: cài đặt và nhật ký sẽ không được lưu</translation>
    </message>
    <message>
        <source>以root身份运行时无法打开AI窗口</source>
        <translation>Không thể mở cửa sổ AI khi chạy với quyền root</translation>
    </message>
    <message>
        <source>未能记住密码：没有可用的密钥环服务</source>
        <translation>Không thể ghi nhớ mật khẩu: không có dịch vụ keyring</translation>
    </message>
    <message>
        <source>未能记住密码：密钥环未能保存</source>
        <translation>Không thể ghi nhớ mật khẩu: keyring không lưu được</translation>
    </message>
    <message>
        <source>固件下载失败，将在下次检查时重试</source>
        <translation>Tải xuống firmware thất bại; sẽ thử lại ở lần kiểm tra tiếp theo</translation>
    </message>
    <message>
        <source>没有朗读这种语言的语音，已用默认语音朗读</source>
        <translation>Không có giọng đọc cho ngôn ngữ này; đã đọc bằng giọng mặc định</translation>
    </message>
    <message>
        <source>原设置文件无法另存，无法读取的设置暂时保留在：</source>
        <translation>Không thể sao chép tệp cài đặt gốc; các cài đặt không đọc được tạm thời vẫn nằm trong: </translation>
    </message>
    <message>
        <source>语音指令数据库无法使用，指令只保存在本次运行中</source>
        <translation>Không thể dùng cơ sở dữ liệu lệnh thoại; các lệnh chỉ được giữ trong phiên này</translation>
    </message>
    <message>
        <source>数据库文件保持原样。原因：</source>
        <translation>Tệp cơ sở dữ liệu được giữ nguyên. Lý do: </translation>
    </message>
    <message>
        <source>按键功能未能加载，将在下次连接设备或打开本页时重新获取</source>
        <translation>Không tải được chức năng phím; sẽ tải lại vào lần kết nối thiết bị hoặc mở trang này tiếp theo</translation>
    </message>
    <message>
        <source>未识别到文字</source>
        <translation>Không nhận dạng được văn bản nào</translation>
    </message>
    <message>
        <source>关于智笔</source>
        <translation>Giới thiệu bút thông minh</translation>
    </message>
    <message>
        <source>SN:%1         软件版本： %2         固件版本： %3(%4)</source>
        <translation>SN: %1         Phiên bản phần mềm: %2         Phiên bản firmware: %3(%4)</translation>
    </message>
    <message>
        <source>升级成功</source>
        <translation>Cập nhật thành công</translation>
    </message>
    <message>
        <source>+添加指令</source>
        <translation>+ Thêm lệnh</translation>
    </message>
    <message>
        <source>到期时间:%1</source>
        <translation>Hết hạn: %1</translation>
    </message>
    <message>
        <source>&lt; 返回</source>
        <translation>&lt; Quay lại</translation>
    </message>
    <message>
        <source>该设备的AI对话页面暂未开放，您的问题会先保存在这里，请检查网络</source>
        <translation>Trang trò chuyện AI của thiết bị này chưa khả dụng. Câu hỏi của bạn được lưu tại đây; vui lòng kiểm tra kết nối mạng.</translation>
    </message>
    <message>
        <source>该设备的AI对话页面暂未开放，您的问题会先保存在这里，请连接设备并检查网络</source>
        <translation>Trang trò chuyện AI của thiết bị này chưa khả dụng. Câu hỏi của bạn được lưu tại đây; vui lòng kết nối thiết bị và kiểm tra kết nối mạng.</translation>
    </message>
    <message>
        <source>AI助手</source>
        <translation>Trợ lý AI</translation>
    </message>
    <message>
        <source>AI智能写作</source>
        <translation>Viết bằng AI</translation>
    </message>
    <message>
        <source>PPT</source>
        <translation>PPT</translation>
    </message>
    <message>
        <source>录音失败</source>
        <translation>Ghi âm thất bại</translation>
    </message>
    <message>
        <source>语音识别出错</source>
        <translation>Nhận dạng giọng nói thất bại</translation>
    </message>
    <message>
        <source>固件文件无效，此版本不再下载</source>
        <translation>Tệp firmware không hợp lệ; phiên bản này sẽ không được tải xuống lại</translation>
    </message>
    <message>
        <source>程序已在您的另一个会话中运行。请在那里使用，或先在那里退出。</source>
        <translation>Chương trình đang chạy trong một phiên khác của bạn. Hãy dùng nó ở đó, hoặc thoát nó ở đó trước.</translation>
    </message>
    <message>
        <source>程序已在运行，但没有响应。请结束它后再重新启动。</source>
        <translation>Chương trình đang chạy nhưng không phản hồi. Hãy tắt nó rồi khởi động lại.</translation>
    </message>
</context>
</TS>
